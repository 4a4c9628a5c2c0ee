// The player colour rules: the painter's own colours are nudged away from, colours too close to
// another player's are refused.
#include "render/player_colour_rules.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "render/board_rules.h"

namespace render {
namespace {

// Colours closer than this in every channel look the same on the board.
constexpr int kDistinctStep = 8;
// How far a nudge may move one channel before it gives up.
constexpr int kLargestNudge = 64;

bool IsPainterColour(raster::Colour colour) {
    return colour == kSeeThroughColour || colour == kFreshTerritoryColour ||
           colour == kTestMarkerColour || colour == kNoOwnerColour || colour == kHiddenColour ||
           IsBorderPixel(colour);
}

bool LookAlike(raster::Colour a, raster::Colour b) {
    return std::abs(raster::RedOf(a) - raster::RedOf(b)) < kDistinctStep &&
           std::abs(raster::GreenOf(a) - raster::GreenOf(b)) < kDistinctStep &&
           std::abs(raster::BlueOf(a) - raster::BlueOf(b)) < kDistinctStep;
}

// The player whose colour (or attack colour) lives in `slot`.
int PlayerOfSlot(std::size_t slot) {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if (PlayerColourSlot(p) == slot || PlayerHighlightSlot(p) == slot) return p;
    }
    return 0;
}

struct Clash {
    int player = 0;
    bool attackColour = false;
};

// The first slot whose colour must stand apart from `colour` in `slot` and does not.
std::optional<Clash> FindClash(const PlayerColourTable& table, std::size_t slot,
                               raster::Colour colour) {
    const int owner = PlayerOfSlot(slot);
    const bool isAttackSlot = PlayerHighlightSlot(owner) == slot;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const std::size_t own = PlayerColourSlot(p);
        const std::size_t attack = PlayerHighlightSlot(p);
        if (own != slot && LookAlike(table[own], colour)) return Clash{p, false};
        // Attack colours matter only against a player's colour.
        if (!isAttackSlot && LookAlike(table[attack], colour)) return Clash{p, true};
    }
    return std::nullopt;
}

std::string RefusalText(const Clash& clash, int owner) {
    const std::string whose = clash.player == owner
                                  ? "this player's own"
                                  : "player " + PlayerNumeral(clash.player) + "'s";
    return "This color is too close to " + whose + (clash.attackColour ? " attack" : "") +
           " color, and the territories could not be told apart. Please choose another color.";
}

// The nearest colour, one channel moved, that the painter leaves alone and no other colour of
// the table comes close to.
std::optional<raster::Colour> Nudge(const PlayerColourTable& table, std::size_t slot,
                                    raster::Colour wanted) {
    const int channels[3] = {raster::RedOf(wanted), raster::GreenOf(wanted),
                             raster::BlueOf(wanted)};
    for (int step = 1; step <= kLargestNudge; ++step) {
        for (int channel : {0, 2, 1}) {
            for (int sign : {1, -1}) {
                int moved[3] = {channels[0], channels[1], channels[2]};
                moved[channel] += sign * step;
                if (moved[channel] < 0 || moved[channel] > 255) continue;
                const raster::Colour candidate = raster::Rgb(moved[0], moved[1], moved[2]);
                if (!IsPainterColour(candidate) && !FindClash(table, slot, candidate))
                    return candidate;
            }
        }
    }
    return std::nullopt;
}

// One pass over the slots; answers whether it changed any.
bool MendPass(PlayerColourTable& table) {
    bool changed = false;
    // From the last slot back: of two colours alike, the later slot's gives way.
    for (std::size_t slot = kPlayerColourSlots; slot >= 1; --slot) {
        const ColourCheck check = CheckPlayerColour(table, slot, table[slot]);
        if (check.verdict == ColourVerdict::kTaken) continue;
        const ColourCheck fallback =
            CheckPlayerColour(table, slot, kDefaultPlayerColours[slot - 1]);
        if (fallback.verdict != ColourVerdict::kRefused) {
            table[slot] = fallback.colour;
        } else if (check.verdict == ColourVerdict::kNudged) {
            table[slot] = check.colour;
        } else {
            continue;
        }
        changed = true;
    }
    return changed;
}

}  // namespace

std::string PlayerNumeral(int player) {
    static constexpr const char* kNumerals[] = {"",   "I",   "II",   "III", "IV", "V",
                                                "VI", "VII", "VIII", "IX",  "X"};
    return player >= 1 && player <= 10 ? kNumerals[player] : std::string();
}

ColourCheck CheckPlayerColour(const PlayerColourTable& table, std::size_t slot,
                              raster::Colour wanted) {
    wanted &= 0x00FFFFFFu;
    const int owner = PlayerOfSlot(slot);
    if (owner == 0) return {ColourVerdict::kRefused, wanted, "There is no such player color."};
    if (const std::optional<Clash> clash = FindClash(table, slot, wanted))
        return {ColourVerdict::kRefused, wanted, RefusalText(*clash, owner)};
    if (!IsPainterColour(wanted)) return {ColourVerdict::kTaken, wanted, {}};
    if (const std::optional<raster::Colour> nudged = Nudge(table, slot, wanted)) {
        return {ColourVerdict::kNudged, *nudged,
                "The board keeps this exact color for its borders and markings, so a nearly "
                "equal color was taken instead."};
    }
    return {ColourVerdict::kRefused, wanted,
            "The board keeps this color for its borders and markings. Please choose another "
            "color."};
}

bool MendPlayerColours(PlayerColourTable& table) {
    const PlayerColourTable before = table;
    // One pass can leave a slot in breach that a later change of another slot frees: passes
    // repeat until the table is settled, so that mending a mended table changes nothing.
    for (std::size_t pass = 0; pass <= kPlayerColourSlots; ++pass) {
        if (!MendPass(table)) return table != before;
    }
    // A table that will not settle: the defaults, which keep every rule.
    std::copy(kDefaultPlayerColours.begin(), kDefaultPlayerColours.end(), table.begin() + 1);
    return table != before;
}

}  // namespace render
