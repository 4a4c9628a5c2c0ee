// Which colours a player may be given: none the painter keeps for itself, none that could not
// be told apart from another player's.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/model/options.h"
#include "platform/raster/surface.h"

namespace render {

using PlayerColourTable = std::array<raster::Colour, kPlayerColourSlots + 1>;

enum class ColourVerdict {
    kTaken,    // the colour goes in as asked
    kNudged,   // a nearly equal colour goes in: the one asked for is the painter's
    kRefused,  // nothing changes: another colour of the table is too close to it
};

struct ColourCheck {
    ColourVerdict verdict = ColourVerdict::kTaken;
    raster::Colour colour = 0;  // what goes into the slot, unless refused
    std::string reason;         // what the player is told; empty when taken as asked
};

// How `wanted` fares in `slot` (1..20) of `table`, the other slots as they stand. A player's
// colour must stand apart from the other players' colours and attack colours and from its own
// attack colour; an attack colour from its own player's colour and the other players' colours
// (attack colours may repeat among players, as the defaults do).
ColourCheck CheckPlayerColour(const PlayerColourTable& table, std::size_t slot,
                              raster::Colour wanted);

// Brings a table read from elsewhere (a damaged or hand-made settings file) within the rules,
// slot by slot: a slot that breaks them takes its default colour, or the nudged colour when the
// default is taken by another slot; of two slots alike, the later one gives way. Answers whether
// anything changed.
bool MendPlayerColours(PlayerColourTable& table);

// The player's name in the colours dialog: "I" .. "X".
std::string PlayerNumeral(int player);

}  // namespace render
