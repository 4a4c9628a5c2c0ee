// Fuzzes the reading of the internet game list: whatever five slot files hold, a kept line is a
// clean 126-character text, its host field passes or fails the address check without harm, and
// the slot chosen among the lines is one of the five.
#include <algorithm>
#include <string>

#include "fuzz/fuzz_support.h"
#include "net/game_list.h"
#include "net/host_address.h"
#include "platform/random.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::Text(data, size);
    g_gameListLines.clear();
    g_gameListSlots.clear();
    // The files are the input's pieces between 0xff bytes.
    std::size_t start = 0;
    for (std::int32_t slot = 0; slot < game_list::kSlotCount && start <= input.size(); ++slot) {
        const std::size_t end = std::min(input.find('\xff', start), input.size());
        if (const auto line = game_list::CleanLine(input.substr(start, end - start))) {
            fuzz::Require(line->size() == game_list::kEntryLength, "a kept line is one entry long");
            for (unsigned char c : *line)
                fuzz::Require(c >= 0x20 && c < 0x7f, "a kept line holds only printable text");
            const std::string host = game_list::HostField(*line);
            host_address::IsAcceptable(host);
            host_address::IsPrivate(host);
            g_gameListLines.push_back(*line);
            g_gameListSlots.push_back(slot);
        }
        start = end + 1;
    }
    platform::Random random(static_cast<std::uint32_t>(size));
    const std::int32_t slot =
        game_list::ChooseSlot(std::string(input.substr(0, 20)), "game", random);
    fuzz::Require(slot >= 0 && slot < game_list::kSlotCount, "the chosen slot is one of the five");
    return 0;
}
