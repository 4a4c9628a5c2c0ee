// Fuzzes the settings record: any bytes are applied, and saving them again keeps the record's
// size and loads the same way.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "shell/process_state.h"
#include "shell/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetProcessState();
    SettingsBytes record{};
    std::copy(data, data + std::min(size, record.size()), record.begin());
    ApplySettingsRecord(record);
    SettingsBytes saved = record;
    UpdateSettingsRecord(saved);
    ApplySettingsRecord(saved);
    SettingsBytes again = saved;
    UpdateSettingsRecord(again);
    fuzz::Require(again == saved, "a saved record loads to the values it was saved from");
    return 0;
}
