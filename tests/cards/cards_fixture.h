// A view on the headless platform with a temporary program folder, and hands to deal out.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/rules/turn_order.h"
#include "platform/headless/test_platform.h"

namespace cards_test {

inline std::string MakeTempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "marovek-cards-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

// The player's four card counts: artillery, infantry, cavalry, wild.
inline void SetHand(std::int32_t player, std::int32_t artillery, std::int32_t infantry,
                    std::int32_t cavalry, std::int32_t wild) {
    PlayerRecord& r = g_players[static_cast<std::size_t>(player)];
    r[player_field::kArtilleryCards] = artillery;
    r[player_field::kInfantryCards] = infantry;
    r[player_field::kCavalryCards] = cavalry;
    r[player_field::kWildCards] = wild;
}

inline std::array<std::int32_t, 4> HandOf(std::int32_t player) {
    const PlayerRecord& r = g_players[static_cast<std::size_t>(player)];
    return {r[player_field::kArtilleryCards], r[player_field::kInfantryCards],
            r[player_field::kCavalryCards], r[player_field::kWildCards]};
}

inline std::array<std::int32_t, 4> Deck() {
    return {g_deckArtilleryCards, g_deckInfantryCards, g_deckCavalryCards, g_deckWildCards};
}

class CardsTest : public testing::Test {
  protected:
    CardsTest()
        : folder_(MakeTempFolder()),
          platform_({}, folder_),
          view_(std::make_unique<CChildView>(platform_.platform)) {}
    ~CardsTest() override {
        view_.reset();
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }

    // A game of three players, player 1 the only human and on turn, with a full deck.
    void SetUp() override {
        g_playerCount = 3;
        g_humanPlayerCount = 1;
        rules::SetCurrentPlayer(1);
        g_playerNames[1] = "Anna";
        g_playerNames[2] = "Borg";
        g_playerNames[3] = "Cato";
        g_deckArtilleryCards = 17;
        g_deckInfantryCards = 17;
        g_deckCavalryCards = 17;
        g_deckWildCards = 2;
    }

    void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    std::string folder_;
    headless::TestPlatform platform_;
    std::unique_ptr<CChildView> view_;
};

}  // namespace cards_test
