// Storage of the maps of a campaign file.
#include "core/model/campaign_state.h"

std::string g_campaignName;
std::array<std::string, kMaxCampaignMaps + 1> g_campaignMaps{};

void ResetCampaignState() {
    g_campaignName.clear();
    g_campaignMaps.fill({});
}
