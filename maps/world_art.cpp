// World's board artwork data: label tables, count and icon offsets, extra fill seeds.
#include "maps/world_art.h"

namespace maps {
namespace {

// clang-format off
// Size 1: the labels stand lower, and three codes are shortened for the smaller boxes.
const ArtLabel kLabelsSize1[] = {
    {48, 66, "ala"},  // 1
    {98, 77, "nwt"},  // 2
    {318, 42, "gro"},  // 3
    {79, 116, "alb"},  // 4
    {150, 122, "ont"},  // 5
    {213, 122, "que"},  // 6
    {52, 178, "vsw"},  // 7
    {117, 194, "vso"},  // 8
    {47, 244, "mex"},  // 9
    {136, 341, "ven"},  // 10
    {170, 454, "per"},  // 11
    {217, 419, "bra"},  // 12
    {182, 534, "arg"},  // 13
    {376, 262, "naf"},  // 14
    {492, 255, "egy"},  // 15
    {453, 354, "caf"},  // 16
    {531, 336, "oaf"},  // 17
    {471, 489, "zaf"},  // 18
    {563, 468, "m"},  // 19
    {356, 93, "ic"},  // 20
    {443, 98, "sca"},  // 21
    {515, 126, "oos"},  // 22
    {394, 127, "gb"},  // 23
    {436, 147, "neu"},  // 24
    {411, 177, "weu"},  // 25
    {472, 171, "zeu"},  // 26
    {540, 213, "moo"},  // 27
    {592, 167, "kaz"},  // 28
    {613, 95, "oer"},  // 29
    {751, 214, "chi"},  // 30
    {665, 257, "ind"},  // 31
    {693, 85, "sib"},  // 32
    {743, 68, "jak"},  // 33
    {747, 93, "tsj"},  // 34
    {763, 139, "mon"},  // 35
    {810, 77, "kam"},  // 36
    {854, 180, "jap"},  // 37
    {749, 283, "zoa"},  // 38
    {799, 373, "ino"},  // 39
    {895, 402, "nwg"},  // 40
    {802, 503, "wau"},  // 41
    {880, 506, "oau"},  // 42
};
// Sizes 2 and 3; five rows move a little on the large board.
const ArtLabel kLabelsSize23[] = {
    {53, 53, "ala"},  // 1
    {98, 64, "nwt"},  // 2
    {318, 29, "gro"},  // 3
    {79, 103, "alb"},  // 4
    {150, 109, "ont"},  // 5
    {213, 109, "que"},  // 6
    {52, 165, "vsw"},  // 7
    {117, 181, "vso"},  // 8
    {47, 231, "mex"},  // 9
    {136, 328, "ven"},  // 10
    {170, 441, "per"},  // 11
    {217, 406, "bra"},  // 12
    {182, 521, "arg"},  // 13
    {376, 249, "naf"},  // 14
    {492, 242, "egy"},  // 15
    {453, 341, "caf"},  // 16
    {531, 323, "oaf"},  // 17
    {471, 476, "zaf"},  // 18
    {563, 455, "mad", 565, 455},  // 19
    {356, 80, "ijs", 358, 80},  // 20
    {443, 85, "sca"},  // 21
    {515, 113, "oos"},  // 22
    {394, 114, "grb"},  // 23
    {436, 134, "neu", 442, 131},  // 24
    {411, 164, "weu", 413, 164},  // 25
    {472, 158, "zeu"},  // 26
    {540, 200, "moo"},  // 27
    {592, 154, "kaz"},  // 28
    {613, 82, "oer"},  // 29
    {751, 201, "chi"},  // 30
    {665, 244, "ind"},  // 31
    {693, 72, "sib"},  // 32
    {743, 55, "jak"},  // 33
    {747, 80, "tsj"},  // 34
    {763, 126, "mon"},  // 35
    {810, 64, "kam"},  // 36
    {854, 167, "jap", 856, 167},  // 37
    {749, 270, "zoa"},  // 38
    {799, 360, "ino"},  // 39
    {895, 389, "nwg"},  // 40
    {802, 490, "wau"},  // 41
    {880, 493, "oau"},  // 42
};
// clang-format on

// Yakutsk's count stands beside its code, where Chita's label leaves no room below it; Western
// Europe's count and icon sit west of the code, on the Atlantic coast of France and Spain.
const ArtOffset kCountOffsets[] = {
    {1, 33, false, 14, -11, -10}, {2, 33, false, 22, -15, -14}, {3, 33, false, 24, -15, -14},
    {1, 25, true, 269, 106, 106}, {2, 25, true, 383, 147, 147}, {3, 25, false, -36, -8, -8},
};
const ArtOffset kIconOffsets[] = {
    {2, 33, false, -22, 15, 15},
    {3, 33, false, -24, 15, 15},
    {2, 25, true, 405, 137, 137},
    {3, 25, false, 36, 8, 8},
};
const CodeBoxSize kNarrowCodeBoxes[] = {
    {1, 23, 8, 6}, {1, 37, 10, 6}, {2, 23, 14, 8}, {2, 37, 14, 8}, {3, 23, 16, 10}, {3, 37, 16, 10},
};

// Extra fill seeds, in territory order: the pieces of each territory beyond its main piece (the
// generator's suggest mode finds them on the drawing; the pictures are then made to fit them).
// clang-format off
const FillSeed kSeedsSize1[] = {
    {2, 135, 5}, {2, 154, 4}, {2, 130, 13}, {2, 70, 26},
    {5, 168, 37}, {5, 123, 21}, {5, 136, 42}, {6, 173, 88},
    {13, 115, 419}, {21, 327, 12}, {21, 311, 17}, {22, 382, 5},
    {22, 398, 27}, {25, 264, 84}, {25, 294, 130}, {26, 338, 136},
    {26, 302, 126}, {26, 314, 130}, {30, 543, 181}, {32, 474, 4},
    {32, 483, 5}, {33, 521, 13}, {33, 532, 15}, {36, 618, 16},
    {37, 591, 86}, {37, 597, 137}, {39, 575, 195}, {39, 579, 213},
    {39, 588, 225}, {39, 594, 247}, {39, 533, 260}, {39, 582, 249},
    {39, 549, 276}, {39, 567, 284}, {39, 580, 287}, {40, 605, 257},
    {42, 597, 401},
};
const FillSeed kSeedsSize2[] = {
    {2, 193, 5}, {2, 218, 7}, {2, 188, 21}, {2, 102, 36},
    {5, 241, 38}, {5, 178, 31}, {5, 193, 63}, {6, 246, 125},
    {13, 165, 599}, {21, 468, 19}, {21, 445, 24}, {22, 546, 9},
    {22, 569, 38}, {25, 377, 119}, {25, 422, 187}, {26, 484, 196},
    {26, 433, 181}, {26, 450, 187}, {30, 776, 261}, {32, 677, 4},
    {32, 691, 9}, {33, 745, 21}, {33, 760, 24}, {36, 884, 24},
    {37, 844, 123}, {37, 852, 199}, {39, 822, 279}, {39, 828, 306},
    {39, 841, 323}, {39, 849, 355}, {39, 758, 370}, {39, 824, 368},
    {39, 788, 399}, {39, 812, 408}, {39, 830, 412}, {40, 866, 366},
    {42, 851, 573},
};
const FillSeed kSeedsSize3[] = {
    {2, 241, 6}, {2, 275, 8}, {2, 235, 27}, {2, 130, 43},
    {5, 303, 53}, {5, 222, 37}, {5, 241, 78}, {6, 308, 155},
    {13, 205, 749}, {21, 583, 23}, {21, 556, 31}, {22, 681, 10},
    {22, 711, 48}, {25, 473, 148}, {25, 527, 232}, {26, 603, 244},
    {26, 540, 225}, {26, 562, 234}, {30, 971, 325}, {32, 850, 9},
    {32, 862, 10}, {33, 931, 26}, {33, 950, 29}, {36, 1103, 29},
    {37, 1055, 154}, {37, 1065, 248}, {39, 1028, 349}, {39, 1034, 381},
    {39, 1050, 403}, {39, 1059, 443}, {39, 942, 445}, {39, 1029, 464},
    {39, 965, 490}, {39, 1015, 510}, {39, 1036, 514}, {40, 1081, 459},
    {42, 1065, 717},
};
// clang-format on

const MapArt kWorldArt{kLabelsSize1, kLabelsSize23,    kCountOffsets,
                       kIconOffsets, kNarrowCodeBoxes, {kSeedsSize1, kSeedsSize2, kSeedsSize3}};

}  // namespace

const MapArt& WorldArt() {
    return kWorldArt;
}

const ArtLabel* LabelRow(const MapArt& art, int size, std::int32_t territory, std::int32_t* x,
                         std::int32_t* y) {
    const auto& rows = size == 1 ? art.labelsSize1 : art.labelsSize23;
    if (territory < 1 || static_cast<std::size_t>(territory) > rows.size()) return nullptr;
    const ArtLabel& row = rows[static_cast<std::size_t>(territory) - 1];
    const bool own3 = size == 3 && row.x3 >= 0;
    *x = own3 ? row.x3 : row.x;
    *y = own3 ? row.y3 : row.y;
    return &row;
}

const ArtOffset* FindOffset(std::span<const ArtOffset> rows, int size, std::int32_t territory) {
    for (const ArtOffset& row : rows)
        if (row.size == size && row.territory == territory) return &row;
    return nullptr;
}

std::span<const FillSeed> SeedsFor(const MapArt& art, int size) {
    if (size < 1 || size > 3) return {};
    return art.seeds[size - 1];
}

}  // namespace maps
