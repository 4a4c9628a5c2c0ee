// Fuzzes the campaign file reader; an accepted campaign names only files in the user's folder.
#include <algorithm>
#include <string>

#include "core/model/campaign_file.h"
#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/map_text.h"
#include "fuzz/fuzz_support.h"
#include "shell/process_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetProcessState();
    g_userFilesFolder = "/home/player/Marovek";
    AppendMapTextLines(fuzz::Text(data, size));
    const std::int32_t result = ParseCampaignBuffer();
    if (result != campaign_result::kAccepted) {
        fuzz::Require(!CampaignResultMessage(result).empty(), "every refusal has its message");
        return 0;
    }
    fuzz::Require(g_campaignLength >= 2 && g_campaignLength <= kMaxCampaignMaps, "length");
    for (g_campaignStep = 1; g_campaignStep <= g_campaignLength; ++g_campaignStep) {
        fuzz::Require(SelectCampaignMap(), "every step has its map");
        const std::string prefix = g_userFilesFolder + "/";
        const std::string name =
            g_mapFilePath.substr(std::min(prefix.size(), g_mapFilePath.size()));
        fuzz::Require(g_mapFilePath.rfind(prefix, 0) == 0 && name.find('/') == std::string::npos &&
                          name != "." && name != "..",
                      "map files stay in the user files folder");
    }
    return 0;
}
