// The campaign loader: which campaign file, reading and checking it, and its current map.
#include "core/model/campaign_loader.h"

#include <optional>
#include <string>

#include "core/child_view.h"
#include "core/model/campaign_file.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "core/model/session_state.h"
#include "platform/files.h"

namespace {

bool IsInteractive() {
    return !IsYes(g_isJustOpened) && g_gameKind != game_kind::kNetworkJoined;
}

// The user picks the campaign file (anywhere); an opened game names it in g_mapFilePath; a
// joining machine takes the host's map name.
std::optional<std::string> CampaignFileToLoad(const LoaderContext& context) {
    if (g_gameKind == game_kind::kNetworkJoined) return CampaignMapFilePath(g_mapName);
    if (!IsInteractive()) return g_mapFilePath;
    return map_loading::ChooseFile(context, kCampaignFileFilter,
                                   platform::JoinPath(g_userFilesFolder, "*.cmpgn"));
}

}  // namespace

bool LoadCampaign(const LoaderContext& context) {
    if (!map_loading::ScreenFitsMapFiles(context.window)) return false;
    if (IsInteractive()) map_loading::OfferCreatingMapsNotice(context.steps);
    g_isMapFileLoaded = false;
    const std::optional<std::string> path = CampaignFileToLoad(context);
    if (!path || !map_loading::ReadTextFile(context, *path)) return false;

    const std::int32_t result = ParseCampaignBuffer();
    if (result != campaign_result::kAccepted) {
        map_loading::ShowMapFileError(context.window, CampaignResultMessage(result));
        return false;
    }
    // A saved game whose step the campaign file no longer has cannot go on.
    if (!SelectCampaignMap()) {
        map_loading::ShowMapFileError(context.window,
                                      CampaignResultMessage(campaign_result::kTooFewMaps));
        return false;
    }
    g_campaignFilePath = *path;
    g_isMapFileLoaded = true;
    return true;
}

void CChildView::LoadCampaignFile() {
    ViewMapLoadSteps steps(*this);
    LoadCampaign({platform_.window, platform_.files, &platform_.fileDialogs, steps});
}
