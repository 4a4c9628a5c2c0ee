// Campaign files: their reader and a campaign's progress from one map to the next.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Results of the campaign file reader.
namespace campaign_result {
inline constexpr std::int32_t kAccepted = 0;
inline constexpr std::int32_t kTooFewMaps = 1;       // an empty file or fewer than 2 maps
inline constexpr std::int32_t kTooManyMaps = 2;      // more than the 20 a campaign holds
inline constexpr std::int32_t kMapNotAFileName = 3;  // a map name with "/" or ".."
}  // namespace campaign_result

// The message the campaign loader shows for a result above 0 (caption "Map File Error").
std::string CampaignResultMessage(std::int32_t result);

// Reads g_mapTextBuffer as a campaign file. An accepted file sets the campaign's name (when
// its "[campaign]" section gives one), maps, length and g_mapName; a refused one changes
// nothing.
std::int32_t ParseCampaignBuffer();

// A map name names a file in the user files folder and nothing else: no "/" and no "..".
bool IsPlainMapName(std::string_view mapName);

// The map text file in the user files folder that a blank-padded map name stands for: a
// campaign's maps and the map a host names. Empty (a path no file has) for a name that is not
// plain.
std::string CampaignMapFilePath(std::string_view mapName);

// Makes map g_campaignStep of a campaign file current: g_mapName and g_mapFilePath. False,
// changing nothing, when the step is not one of the campaign's maps.
bool SelectCampaignMap();

// Moves the campaign to its next map after a map is won, or marks it finished after the last.
void AdvanceCampaignProgress();
