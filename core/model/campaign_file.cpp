// The campaign file reader and the campaign's progress along its maps.
#include "core/model/campaign_file.h"

#include <array>
#include <optional>
#include <vector>

#include "core/child_view.h"
#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_text.h"
#include "core/model/session_state.h"
#include "platform/files.h"

namespace {

constexpr std::string_view kCampaignHeader = "[campaign]";
constexpr std::string_view kMapsHeader = "[maps]";
constexpr int kMinCampaignMaps = 2;

enum class Section { kNone, kCampaign, kMaps };

struct CampaignText {
    std::optional<std::string> name;
    std::vector<std::string> maps;
};

Section HeaderOf(std::string_view line) {
    if (IsHeaderLine(line, kCampaignHeader)) return Section::kCampaign;
    if (IsHeaderLine(line, kMapsHeader)) return Section::kMaps;
    return Section::kNone;
}

// Every line goes to the active section before it is tested for a header, so a
// "[campaign]" line inside the map list is a map name as well.
CampaignText ReadCampaignText() {
    CampaignText text;
    Section active = Section::kNone;
    for (const std::string& line : g_mapTextBuffer) {
        if (active == Section::kCampaign) {
            text.name = PaddedTextName(line);
            active = Section::kNone;
        } else if (active == Section::kMaps) {
            text.maps.push_back(PaddedTextName(line));
        }
        if (const Section header = HeaderOf(line); header != Section::kNone) active = header;
    }
    return text;
}

void StoreCampaign(const CampaignText& text) {
    if (text.name) g_campaignName = *text.name;
    g_campaignMaps.fill("  ");
    for (std::size_t i = 0; i < text.maps.size(); ++i) g_campaignMaps[i + 1] = text.maps[i];
    g_campaignLength = static_cast<std::int32_t>(text.maps.size());
    g_mapName = text.maps.back();
}

std::string TrimTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

// One step along a built-in campaign's maps (first map first); the last map's flag means the
// campaign is won.
void AdvanceBuiltinCampaign(const std::vector<const BuiltinMap*>& chain) {
    if (chain.empty()) return;
    if (*chain.back()->flag) {
        g_isCampaignFinished = true;
        return;
    }
    for (std::size_t i = chain.size() - 1; i-- > 0;) {
        if (!*chain[i]->flag) continue;
        *chain[i]->flag = false;
        *chain[i + 1]->flag = true;
        return;
    }
}

}  // namespace

std::string CampaignResultMessage(std::int32_t result) {
    switch (result) {
        case campaign_result::kTooFewMaps:
            return "[maps]";
        case campaign_result::kTooManyMaps:
            return "[maps]: more than 20 maps";
        case campaign_result::kMapNotAFileName:
            return "[maps]";
        default:
            return {};
    }
}

std::int32_t ParseCampaignBuffer() {
    if (g_mapTextBuffer.empty()) return campaign_result::kTooFewMaps;
    const CampaignText text = ReadCampaignText();
    if (text.maps.size() < kMinCampaignMaps) return campaign_result::kTooFewMaps;
    if (text.maps.size() > kMaxCampaignMaps) return campaign_result::kTooManyMaps;
    for (const std::string& map : text.maps)
        if (!IsPlainMapName(map)) return campaign_result::kMapNotAFileName;
    StoreCampaign(text);
    return campaign_result::kAccepted;
}

bool IsPlainMapName(std::string_view mapName) {
    // Joined to the user files folder, either would reach outside it.
    return mapName.find('/') == std::string_view::npos &&
           mapName.find("..") == std::string_view::npos;
}

std::string CampaignMapFilePath(std::string_view mapName) {
    if (!IsPlainMapName(mapName)) return {};
    return platform::JoinPath(g_userFilesFolder, TrimTrailingBlanks(mapName) + ".txt");
}

bool SelectCampaignMap() {
    if (g_campaignStep < 1 || g_campaignStep > g_campaignLength ||
        g_campaignStep > kMaxCampaignMaps)
        return false;
    g_mapName = g_campaignMaps[static_cast<std::size_t>(g_campaignStep)];
    g_mapFilePath = CampaignMapFilePath(g_mapName);
    return true;
}

void CChildView::ParseCampaignFile(std::int32_t* result) {
    const std::int32_t parsed = ParseCampaignBuffer();
    if (result != nullptr) *result = parsed;
}

void AdvanceCampaignProgress() {
    if (g_campaignStep < g_campaignLength)
        ++g_campaignStep;
    else
        g_isCampaignFinished = true;
    if (IsBuiltinCampaign(g_campaignNumber)) {
        AdvanceBuiltinCampaign(CampaignMaps(g_campaignNumber));
    } else if (g_campaignNumber == kOwnCampaign && !SelectCampaignMap()) {
        // A step outside the campaign's maps (a damaged saved game) ends the campaign.
        g_isCampaignFinished = true;
    }
}

void CChildView::AdvanceCampaign() {
    AdvanceCampaignProgress();
}
