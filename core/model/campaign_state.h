// The maps of a campaign file; the campaign's number, length and step are session values.
#pragma once

#include <array>
#include <string>

#include "core/model/session_state.h"

inline constexpr int kMaxCampaignMaps = 20;

// A campaign file's name blank-padded to 14 characters, or "noname".
extern std::string g_campaignName;
// [1..20]: the map names of a campaign file, each blank-padded to 14 characters; [0] unused.
extern std::array<std::string, kMaxCampaignMaps + 1> g_campaignMaps;
// Puts the campaign file's name and maps back to their values at program start.
void ResetCampaignState();
