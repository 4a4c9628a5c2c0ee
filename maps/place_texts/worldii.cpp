// WorldII's map text, printed by `gen_place_text_maps tools/placetexts --print WorldII` from
// tools/placetexts/WorldII/.
#include "maps/place_texts.h"

namespace {

// clang-format off
const char* const kContinents[] = {
    "5 North_America 1 2 3 4 5 6 7",
    "2 Central_America 8 9 10",
    "3 South_America 11 12 13 14 15 16 17",
    "5 Europe 18 19 20 21 22 23 24 25",
    "5 Africa 26 27 28 29 30 31 32 33 34",
    "4 Middle_East 35 36 37 38 39",
    "8 Asia 40 41 42 43 44 45 46 47 48 49 50 51",
    "3 Oceania 52 53 54 55 56 57",
};
const char* const kTerritories[] = {
    "1 xxx 612 128 2 42",
    "2 xxx 711 156 1 3 5 6",
    "3 xxx 827 184 2 4 6 7",
    "4 xxx 907 72 3",
    "5 xxx 710 229 2 6 8",
    "6 xxx 755 233 2 3 5 7 8",
    "7 xxx 793 252 3 6 10",
    "8 xxx 745 310 5 6 9 10",
    "9 xxx 788 340 8 10 11",
    "10 xxx 823 319 7 8 9 11",
    "11 xxx 787 382 9 10 12 13 14",
    "12 xxx 865 353 11 14",
    "13 xxx 811 428 11 14 16 17",
    "14 xxx 858 397 11 12 13 15 16",
    "15 xxx 883 441 14 16 17",
    "16 xxx 841 442 13 14 15 17",
    "17 xxx 841 494 13 15 16",
    "18 xxx 16 132 19",
    "19 xxx 47 187 18 22",
    "20 xxx 132 115 23 25 40",
    "21 xxx 43 243 22 26",
    "22 xxx 67 222 19 21 23",
    "23 xxx 109 200 20 22 24 25",
    "24 xxx 137 271 23 25 26 27 35 36",
    "25 xxx 152 201 20 23 24 40",
    "26 xxx 74 285 21 24 27 28 29",
    "27 xxx 141 300 24 26 28 32 36 37 38",
    "28 xxx 144 332 26 27 29 31 32",
    "29 xxx 54 323 26 28 30 31",
    "30 xxx 53 357 29 31",
    "31 xxx 118 383 28 29 30 32 33",
    "32 xxx 172 362 27 28 31 33 38",
    "33 xxx 128 448 31 32 34",
    "34 xxx 188 447 33",
    "35 xxx 194 227 24 36 39 40 43 44",
    "36 xxx 179 263 24 27 35 37 38 39",
    "37 xxx 188 307 27 36 38",
    "38 xxx 226 313 27 32 36 37 39 47",
    "39 xxx 215 269 35 36 38 44 47",
    "40 xxx 204 156 20 25 35 41 43",
    "41 xxx 320 143 40 42 43 45",
    "42 xxx 402 133 1 41 45 46 50 51",
    "43 xxx 249 209 35 40 41 44 45 46 47",
    "44 xxx 240 255 35 39 43 47",
    "45 xxx 334 219 41 42 43 46",
    "46 xxx 347 263 42 43 45 47 48 49 50",
    "47 xxx 284 258 38 39 43 44 46 48",
    "48 xxx 273 301 46 47 49",
    "49 xxx 333 325 46 48 52",
    "50 xxx 402 247 42 46 51",
    "51 xxx 437 238 42 50",
    "52 xxx 374 387 49 53 55",
    "53 xxx 391 349 52",
    "54 xxx 437 401 56",
    "55 xxx 394 469 52 56",
    "56 xxx 436 471 54 55 57",
    "57 xxx 526 518 56",
};
// clang-format on

}  // namespace

const MapTextContent& PlaceTextWorldII() {
    static const MapTextContent kLines{kContinents, kTerritories};
    return kLines;
}
