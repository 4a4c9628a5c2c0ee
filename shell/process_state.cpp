// The one reset of the whole process's game state: each subsystem's own reset, in one place.
#include "shell/process_state.h"

#include "ai/ai_state.h"
#include "ai/route_index.h"
#include "core/model/board_picture.h"
#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_loader.h"
#include "core/model/map_text.h"
#include "core/model/options.h"
#include "core/model/route_table.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/services/network.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "net/game_list.h"
#include "render/pictures.h"
#include "render/render_state.h"
#include "shell/frame_layout.h"
#include "shell/settings.h"
#include "shell/storage.h"

void ResetProcessState() {
    // The game model.
    ResetGameState();
    ResetSessionState();
    ResetCampaignState();
    ResetMapLoaderState();
    ResetMapTextState();
    ResetRouteTable();
    ResetOptions();
    ResetScreenState();
    ResetFilesState();
    ResetBoardPicture();
    // The rules, the turn, the cards and the board input.
    ResetReinforcementsState();
    ResetAttackState();
    ResetTurnCommandsState();
    ResetArmyCountState();
    ResetTurnState();
    ResetQueues();
    ResetCardsState();
    ResetBoardInputState();
    ResetHitTestState();
    // The neighbours of the core.
    ResetRenderState();
    render::ForgetProgramPictures();
    ResetAiState();
    ai::ResetRouteIndex();
    ResetNetState();
    ResetGameListState();
    ResetNewGameState();
    ResetScoresState();
    // The shell.
    ResetStorageState();
    ResetSettingsState();
    ResetFrameLayoutState();
}
