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
    "6 Africa 24 25 26 27 28 29 30 31 32 33",
    "4 Middle_East 34 35 36 37 38",
    "9 Asia 39 40 41 42 43 44 45 46 47 48 49 50 51",
    "3 Oceania 52 53 54 55 56 57",
};
const char* const kTerritories[] = {
    "1 xxx 607 125 2 41",
    "2 xxx 709 155 1 3 5 6",
    "3 xxx 826 183 2 4 6 7",
    "4 xxx 907 69 3",
    "5 xxx 706 228 2 6 8",
    "6 xxx 753 233 2 3 5 7 8",
    "7 xxx 792 251 3 6 10",
    "8 xxx 740 306 5 6 9 10",
    "9 xxx 786 341 8 10 11",
    "10 xxx 821 319 7 8 9 11",
    "11 xxx 785 382 9 10 12 13 14",
    "12 xxx 861 354 11 14",
    "13 xxx 812 432 11 14 16 17",
    "14 xxx 857 398 11 12 13 15 16",
    "15 xxx 883 442 14 16 17",
    "16 xxx 839 444 13 14 15 17",
    "17 xxx 840 495 13 15 16",
    "18 xxx 35 184 20",
    "19 xxx 92 139 39",
    "20 xxx 57 221 18 21",
    "21 xxx 97 201 20 22 23",
    "22 xxx 124 272 21 23 24 25 26 34",
    "23 xxx 137 194 21 22 34 39",
    "24 xxx 60 286 22 25 28",
    "25 xxx 100 300 22 24 26 27 28",
    "26 xxx 130 302 22 25 27 31 34 35 36 37",
    "27 xxx 133 332 25 26 28 30 31",
    "28 xxx 40 323 24 25 27 29 30",
    "29 xxx 40 358 28 30",
    "30 xxx 105 381 27 28 29 31 32",
    "31 xxx 161 363 26 27 30 32 37",
    "32 xxx 116 450 30 31 33",
    "33 xxx 177 449 32",
    "34 xxx 180 227 22 23 26 35 38 39 42 43",
    "35 xxx 170 264 26 34 36 38",
    "36 xxx 177 307 26 35 37",
    "37 xxx 215 313 26 31 36 38 47",
    "38 xxx 205 270 34 35 37 43 47",
    "39 xxx 195 153 19 23 34 40 42",
    "40 xxx 311 146 39 41 42 44",
    "41 xxx 393 130 1 40 44 46 50 51",
    "42 xxx 239 207 34 39 40 43 44 45 47",
    "43 xxx 230 254 34 38 42 47",
    "44 xxx 325 218 40 41 42 45 46",
    "45 xxx 303 250 42 44 46 47 48",
    "46 xxx 347 275 41 44 45 49 50",
    "47 xxx 274 257 37 38 42 43 45 48",
    "48 xxx 264 303 45 47 49",
    "49 xxx 325 325 46 48 52",
    "50 xxx 393 247 41 46 51",
    "51 xxx 429 240 41 50",
    "52 xxx 361 388 49 53 54",
    "53 xxx 376 330 52",
    "54 xxx 446 408 52 56",
    "55 xxx 383 473 56",
    "56 xxx 428 472 54 55 57",
    "57 xxx 520 521 56",
};
// clang-format on

}  // namespace

const MapTextContent& PlaceTextWorldII() {
    static const MapTextContent kLines{kContinents, kTerritories};
    return kLines;
}
