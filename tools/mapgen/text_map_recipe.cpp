// The drawing recipes of the imagined map texts.
#include "tools/mapgen/text_map_recipe.h"

namespace mapgen {
namespace {

using S = TextMapStyle;
using C = CodeStyle;
using N = const std::string_view;

N kMiddleEarth[] = {"Northmarch", "Greywood", "Stonefells", "Riverlands", "Ashplain",
                    "Southreach", "Mistvale", "Longshore",  "Emberwaste"};
N kAloneInACrowd[] = {"Elbow_Row",   "Shoulder_Lane", "Shove_End",
                      "Jostle_Hill", "Throng_Fields", "The_Lonely_Isle"};
N kAtlantis2[] = {"Coral_Gate",   "Pearl_Reach",  "Tide_Crown",  "Kelp_Hollow", "Salt_Spire",
                  "Deep_Harbour", "Shell_Keys",   "Wave_Court",  "Siren_Rocks", "Foam_Step",
                  "Ebb_Terrace",  "Drowned_Arch", "Lagoon_Ring", "Trident_Bay"};
N kAtlantis[] = {"Sun_Temple", "Outer_Ring",  "Inner_Ring", "Harbour_Gate", "Bronze_Wall",
                 "Orichalcum", "Poseidonia",  "West_Quay",  "Olive_Hills",  "Pillar_Coast",
                 "East_Quay",  "Bull_Fields", "Canal_Ward", "Moon_Temple"};
N kDoom[] = {"Ashgate", "Brimstone", "Cinder", "Dread", "Ember"};
N kDragonWarrior[] = {"Scalewood", "Fangridge",  "Wyrmfen",   "Cavespire",
                      "Goldhoard", "Smokepeaks", "Clawcoast", "Hatchery",
                      "Emberdeep", "Knightfall", "Tailmarsh"};
N kE2[] = {"Alder", "Birch", "Cedar", "Elm",  "Fir",   "Hazel",  "Juniper",
           "Larch", "Maple", "Oak",   "Pine", "Rowan", "Spruce", "Willow"};
N kHexGoneCrazy[] = {"Honeycomb", "Beehive", "Cellblock", "Tessera",  "Lattice", "Mosaic",
                     "Gridlock",  "Sixfold", "Polygonia", "Tilework", "Waffle",  "Zigzag"};
N kLines[] = {"Line_A", "Line_B", "Line_C", "Line_D", "Line_E", "Line_F", "Line_G",
              "Line_H", "Line_I", "Line_J", "Line_K", "Line_L", "Line_M"};
N kNeighbourhood[] = {"Old_Town", "Market_Side", "Mill_Quarter", "Church_Hill", "Dockside"};
N kOK83[] = {"Amber",  "Basalt", "Cobalt", "Dune",  "Flint",
             "Garnet", "Indigo", "Jade",   "Lumen", "Quartz"};
N kRings[] = {"Ring_One",    "Ring_Two",    "Ring_Three",    "Ring_Four",    "Ring_Five",
              "Ring_Six",    "Ring_Seven",  "Ring_Eight",    "Ring_Nine",    "Ring_Ten",
              "Ring_Eleven", "Ring_Twelve", "Ring_Thirteen", "Ring_Fourteen"};
N kCoconutz[] = {"Palm_Key",   "Husk_Isle", "Shell_Cay",  "Milk_Atoll", "Frond_Reef",
                 "Copra_Bank", "Crab_Rock", "Lagoon_Cay", "Drupe_Isle", "Sand_Spit"};
N kJustNeedTwo[] = {"North_Heart", "North_Crown", "North_Shore", "North_Wilds", "Middle_Sea",
                    "South_Heart", "South_Crown", "South_Shore", "South_Wilds"};
N kParisByNight[] = {"La_Rive_Droite", "La_Defense", "La_Rive_Gauche"};
N k107[] = {"Ardent",  "Boreal",    "Crestmoor", "Dunholm",  "Eastmark", "Fallow",
            "Glenfar", "Highcliff", "Ironvale",  "Jadeport", "Kestrel",  "Lowmere",
            "Marrow",  "Northwold", "Oldhaven",  "Pinefold", "Redstone", "Saltmarsh"};

// clang-format off
const TextMapRecipe kRecipes[] = {
    {"MiddleEarth", 1, S::kOrganic, 3, 0.56, 2, C::kOwn3Repeating, kMiddleEarth},
    {"AloneInACrowd", 5, S::kOrganic, 2, 0.62, 0, C::kDots, kAloneInACrowd},
    {"Atlantis2", 5, S::kOrganic, 9, 0.40, 6, C::kOwn3Repeating, kAtlantis2},
    {"Atlantis", 14, S::kOrganic, 5, 0.45, 4, C::kOwn3Repeating, kAtlantis},
    {"Doom", 13, S::kOrganic, 2, 0.45, 1, C::kOwn2, kDoom},
    {"DragonWarrior", 404, S::kOrganic, 3, 0.52, 3, C::kOwn3Repeating, kDragonWarrior},
    {"e2", 11, S::kOrganic, 4, 0.62, 3, C::kDots, kE2},
    {"Hex_gone_crazy", 23, S::kHexagons, 4, 0.45, 4, C::kDots, kHexGoneCrazy},
    {"Lines", 29, S::kLines, 9, 0.0, 10, C::kXxx, kLines},
    {"Neighbourhood", 19, S::kOrganic, 1, 0.60, 0, C::kDots, kNeighbourhood},
    {"OK83", 4, S::kOrganic, 3, 0.50, 3, C::kOwn3, kOK83},
    {"Rings", 41, S::kRings, 6, 0.0, 6, C::kDots, kRings},
    {"coconutz", 2, S::kOrganic, 10, 0.48, 6, C::kDots, kCoconutz},
    {"JustNeedTwo", 6, S::kOrganic, 2, 0.52, 2, C::kDots, kJustNeedTwo},
    {"ParisByNight", 75, S::kFitted, 0, 0.0, 0, C::kXxx, kParisByNight},
    {"107", 18, S::kOrganic, 5, 0.55, 3, C::kXxx, k107},
};
// clang-format on

}  // namespace

std::span<const TextMapRecipe> TextMapRecipes() {
    return kRecipes;
}

const TextMapRecipe* TextMapRecipeByName(std::string_view name) {
    for (const TextMapRecipe& r : kRecipes)
        if (r.name == name) return &r;
    return nullptr;
}

}  // namespace mapgen
