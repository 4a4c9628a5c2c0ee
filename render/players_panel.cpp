// The players panel: a colour box (or icon) and the name of every player in an empty corner of
// the map, the current player marked, players who are out in black.
#include <string>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/raster/fill.h"
#include "platform/raster/text_draw.h"
#include "platform/window_services.h"
#include "render/board_rules.h"
#include "render/render_state.h"

namespace {

constexpr raster::Colour kBlack = 0x000000;

int SizeIndex() {
    if (g_screenSize == 3) return 2;
    if (g_screenSize == 2) return 1;
    return 0;
}

bool IsSmall() {
    return g_screenSize != 2 && g_screenSize != 3;
}

raster::Point PanelOriginNow() {
    const int size = SizeIndex();
    if (const BuiltinMap* map = SelectedBuiltinMap())
        return {map->panel.x[size], map->panel.y[size]};
    // A map file: its own origin on the medium screen, scaled on the large one.
    if (size == 1) return {g_playerPanelX, g_playerPanelY};
    if (size == 2) return {ScaleToScreen(g_playerPanelX), ScaleToScreen(g_playerPanelY)};
    return {255, -380};
}

}  // namespace

std::optional<raster::Rect> render::PlayersPanelArea(const BuiltinMap* map, int size) {
    if (map == nullptr || size < 1 || size > 3) return std::nullopt;
    const int width = size == 1 ? 140 : 170, height = size == 1 ? 155 : 205;
    const int x = map->panel.x[size - 1], y = map->panel.y[size - 1];
    return raster::Rect{x, y, x + width, y + height};
}

namespace {

// Players 6..10 stand in a second column on the maps that have one, when there are more than
// five.
struct Slot {
    int row;           // 1-based row in its column
    raster::Point at;  // the origin moved for the column
};
Slot SlotOf(int player, raster::Point origin) {
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map != nullptr && map->panelTwoColumns && g_playerCount > 5 && player >= 6) {
        constexpr int kColumnShift[3] = {240, 330, 415};
        return {player - 5, {origin.x + kColumnShift[SizeIndex()], origin.y + (IsSmall() ? 5 : 0)}};
    }
    return {player, origin};
}

bool IsIconMode() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return !IsSmall() && g_isSmiliesOn && !g_isTroopExperienceOn &&
           (g_customMapHasSmilies || (map != nullptr && map->smilies != SmiliesRule::kNone));
}

bool IsOut(int player) {
    const PlayerRecord& record = g_players[static_cast<std::size_t>(player)];
    if (g_areStrongholdsOn) return record[player_field::kStronghold] < 1;
    return record[player_field::kTerritories] < 1;
}

bool IsLongOut(int player) {
    return IsOut(player) && g_turnsPlayed[static_cast<std::size_t>(player)] > 2;
}

void DrawBox(raster::Surface& board, int player, raster::Point origin) {
    const Slot slot = SlotOf(player, origin);
    const int inset = IsSmall() ? 2 : 0;
    const int top =
        IsSmall() ? slot.at.y + 15 * (slot.row - 1) - 5 : slot.at.y + 20 * (slot.row - 1);
    const int width = g_isTroopExperienceOn ? 30 : 20;
    const int x = slot.at.x;
    if (!(player == 1 && g_gameKind == game_kind::kDemo)) {
        raster::DrawRectangle(board,
                              {x + 5 + inset, top + 5 + inset, x + width - inset, top + 20 - inset},
                              kBlack, PlayerColour(player));
    }
    if (player == g_currentPlayer && !g_isTroopExperienceOn) {
        raster::DrawRectangle(board,
                              {x + 8 + inset, top + 8 + inset, x + 17 - inset, top + 17 - inset},
                              kBlack, PlayerHighlightColour(player));
    }
}

// Names keep their player's colour; a plate of light grey or black behind them lets a dark
// colour read on the dark ocean and a light one on a light background.
struct Writer {
    raster::Surface& board;
    raster::GlyphSource* glyphs;
    raster::FontDescription font;

    void Clipped(const std::string& text, int x, int y, const raster::Rect& clip,
                 raster::Colour colour) const {
        if (glyphs != nullptr)
            raster::DrawTextOnPlate(board, x, y, text, font, colour,
                                    raster::ContrastingPlate(colour), *glyphs, &clip);
    }
    void Plain(const std::string& text, int x, int y, raster::Colour colour) const {
        if (glyphs != nullptr)
            raster::DrawTextOnPlate(board, x, y, text, font, colour,
                                    raster::ContrastingPlate(colour), *glyphs);
    }
};

// The value of Troop Experience shown for a player; players long out are set to 0.
std::int32_t TroopExperienceShown(int player) {
    const auto p = static_cast<std::size_t>(player);
    const auto current = static_cast<std::size_t>(
        g_currentPlayer >= 0 && g_currentPlayer <= 10 ? g_currentPlayer : 0);
    std::int32_t& value =
        g_networkSeat >= 1 ? g_troopExperience[p] : g_troopExperienceSnapshots[current][p];
    if (IsLongOut(player)) value = 0;
    return value;
}

void DrawRowTexts(const Writer& writer, int player, raster::Point origin) {
    const Slot slot = SlotOf(player, origin);
    const int r = slot.row;
    const int x = slot.at.x;
    const int y = slot.at.y;
    const bool current = player == g_currentPlayer;
    const std::string& name = g_playerNames[static_cast<std::size_t>(player)];
    raster::Colour colour =
        current || g_isTroopExperienceOn ? PlayerHighlightColour(player) : PlayerColour(player);
    if (IsLongOut(player) || (g_hasNeutralArmy && player == 3 && IsOut(player))) colour = kBlack;
    const bool small = IsSmall();
    if (!g_isTroopExperienceOn) {
        if (small) {
            writer.Clipped(name, x + 25, y + 15 * r - 16,
                           {x + 25, y + 15 * r - 19, x + 135, y + 15 * r + 1}, colour);
        } else {
            writer.Clipped(name, x + 30, y + 20 * r - 18,
                           {x + 30, y + 20 * r - 21, x + 160, y + 20 * r - 1}, colour);
        }
        return;
    }
    const std::int32_t value = TroopExperienceShown(player);
    if (!(player == 1 && g_gameKind == game_kind::kDemo)) {
        const raster::Point at =
            small ? raster::Point{x + 8, y + 15 * r - 14} : raster::Point{x + 7, y + 20 * r - 15};
        writer.Plain(std::to_string(value), at.x, at.y, colour);
    }
    colour = current ? PlayerHighlightColour(player) : PlayerColour(player);
    if (IsLongOut(player)) colour = kBlack;
    if (small) {
        writer.Clipped(name, x + 31, y + 15 * r - 16,
                       {x + 31, y + 15 * r - 19, x + 141, y + 15 * r + 1}, colour);
    } else {
        writer.Clipped(name, x + 36, y + 20 * r - 18,
                       {x + 36, y + 20 * r - 21, x + 166, y + 20 * r - 1}, colour);
    }
}

bool ShowsActingPlayer() {
    return g_networkSeat >= 1 && g_currentPlayer <= g_lastNetworkSeat &&
           g_currentPlayer != g_networkSeat && g_roundCounter >= 2 && !g_isInitialPlacement &&
           !g_isHostWaiting;
}

}  // namespace

void CChildView::DrawPlayersPanel() {
    if (g_mapDC.Empty()) return;
    const raster::Point origin = PanelOriginNow();
    const int players = std::min<int>(g_playerCount, kMaxPlayers);
    if (IsIconMode()) {
        for (int p = 1; p <= players; ++p) {
            const Slot slot = SlotOf(p, origin);
            DrawPlayerIcon(p, slot.at.x + 7, slot.at.y + 20 * slot.row - 17);
        }
    } else {
        for (int p = 1; p <= kMaxPlayers && (p <= 3 || p <= players); ++p) {
            DrawBox(g_mapDC, p, origin);
        }
    }
    const Writer writer{g_mapDC, &platform_.glyphs,
                        IsSmall() ? g_fontSansSerif6 : g_fontSansSerif8};
    for (int p = 1; p <= players; ++p) DrawRowTexts(writer, p, origin);
    if (ShowsActingPlayer() && g_currentPlayer >= 1) {
        g_actingPlayerName =
            g_playerNames[static_cast<std::size_t>(g_currentPlayer)] + " to play..";
        platform_.window.SetStatusPane(0, g_actingPlayerName);
    }
    if (!g_isPainting) platform_.window.Invalidate();
}
