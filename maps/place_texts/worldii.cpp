// WorldII's map text, printed by `gen_place_text_maps tools/placetexts --print WorldII` from
// tools/placetexts/WorldII/.
#include "maps/place_texts.h"

namespace {

// clang-format off
const char* const kContinents[] = {
    "5 North_America 1 2 3 4 5 6 7",
    "2 Central_America 8 9 10",
    "3 South_America 11 12 13 14 15 16 17",
    "4 Europe 18 19 20 21 22 23",
    "5 Africa 24 25 26 27 28 29 30 31 32 33",
    "4 Middle_East 34 35 36 37 38",
    "9 Asia 39 40 41 42 43 44 45 46 47 48 49 50 51",
    "3 Oceania 52 53 54 55 56 57",
};
const char* const kTerritories[] = {
    "1 xxx 614 104 2 41",
    "2 xxx 707 132 1 3 5 6",
    "3 xxx 824 167 2 4 6 7",
    "4 xxx 900 35 3",
    "5 xxx 706 219 2 6 8",
    "6 xxx 753 219 2 3 5 7 8",
    "7 xxx 792 241 3 6 10",
    "8 xxx 741 305 5 6 9 10",
    "9 xxx 784 343 8 10 11",
    "10 xxx 809 321 7 8 9 11",
    "11 xxx 832 403 9 10 12 13 14",
    "12 xxx 858 377 11 14",
    "13 xxx 811 441 11 16 17",
    "14 xxx 862 412 11 12 15 16",
    "15 xxx 878 456 14 16 17",
    "16 xxx 837 463 13 14 15 17",
    "17 xxx 836 513 13 15 16",
    "18 xxx 66 171 20",
    "19 xxx 137 91 21 39",
    "20 xxx 85 206 18 21",
    "21 xxx 114 184 19 20 22 23",
    "22 xxx 141 211 21 23 34",
    "23 xxx 148 176 21 22 39",
    "24 xxx 82 276 25 28",
    "25 xxx 125 290 24 26 27 28",
    "26 xxx 151 291 25 27 35 36",
    "27 xxx 156 326 25 26 28 30 31",
    "28 xxx 65 328 24 25 27 29 30",
    "29 xxx 96 356 28 30",
    "30 xxx 126 389 27 28 29 31 32",
    "31 xxx 182 368 27 30 32 37",
    "32 xxx 139 465 30 31 33",
    "33 xxx 196 464 32",
    "34 xxx 185 226 22 35 38 39 42 43",
    "35 xxx 180 259 26 34 36 38",
    "36 xxx 188 304 26 35 37",
    "37 xxx 195 334 31 36 38 47",
    "38 xxx 219 260 34 35 37 43 47",
    "39 xxx 198 147 19 23 34 40 42",
    "40 xxx 325 121 39 41 42 44",
    "41 xxx 408 106 1 40 44 46 50 51",
    "42 xxx 257 196 34 39 40 43 45",
    "43 xxx 247 245 34 38 42 45 47",
    "44 xxx 339 206 40 41 45 46",
    "45 xxx 307 247 42 43 44 46 47 48",
    "46 xxx 360 273 41 44 45 49 50",
    "47 xxx 251 288 37 38 43 45 48",
    "48 xxx 284 301 45 47 49",
    "49 xxx 338 324 46 48 52",
    "50 xxx 405 238 41 46 51",
    "51 xxx 440 230 41 50",
    "52 xxx 382 397 49 53 54",
    "53 xxx 396 355 52",
    "54 xxx 456 419 52 56",
    "55 xxx 396 492 56",
    "56 xxx 440 492 54 55 57",
    "57 xxx 528 546 56",
};
// clang-format on

}  // namespace

const MapTextContent& PlaceTextWorldII() {
    static const MapTextContent kLines{kContinents, kTerritories};
    return kLines;
}
