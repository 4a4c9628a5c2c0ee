// USA's map text, printed by `gen_place_text_maps tools/placetexts --print USA` from
// tools/placetexts/USA/.
#include "maps/place_texts.h"

namespace {

// clang-format off
const char* const kContinents[] = {
    "4 Northeast 1 2 3 4 5 6 7 8",
    "4 Great_Lakes 9 10 11 12 13",
    "6 Plains 14 15 16 17 18 19 20",
    "6 South_Atlantic 21 22 23 24 25 26 27",
    "3 East_South_Central 28 29 30 31",
    "3 West_South_Central 32 33 34 35",
    "7 Mountain 36 37 38 39 40 41 42 43",
    "2 Pacific 44 45 46",
};
const char* const kTerritories[] = {
    "1 xxx 833 102 2",
    "2 xxx 810 145 1 3 4",
    "3 xxx 781 140 2 4 6",
    "4 xxx 829 177 2 3 5 6",
    "5 xxx 804 213 4 6 7",
    "6 xxx 752 175 3 4 5 7 8",
    "7 xxx 779 251 5 6 8 21",
    "8 xxx 726 235 6 7 9 21 23",
    "9 xxx 647 261 8 10 12 23 28",
    "10 xxx 599 273 9 11 12 28",
    "11 xxx 550 270 10 13 15 16 28",
    "12 xxx 612 212 9 10 13",
    "13 xxx 537 177 11 12 14 15",
    "14 xxx 461 128 13 15 17 18",
    "15 xxx 475 237 11 13 14 16 18 19",
    "16 xxx 494 321 11 15 19 20 28 29 32 34",
    "17 xxx 359 120 14 18 36",
    "18 xxx 389 185 14 15 17 19 36 38",
    "19 xxx 375 247 15 16 18 20 38 39",
    "20 xxx 406 313 16 19 34 39",
    "21 xxx 755 278 7 8 22 23",
    "22 xxx 725 309 21 23 24 28 29",
    "23 xxx 687 295 8 9 21 22 28",
    "24 xxx 743 348 22 25 26 29",
    "25 xxx 709 390 24 26",
    "26 xxx 666 435 24 25 27 29 30",
    "27 xxx 712 516 26 30",
    "28 xxx 635 318 9 10 11 16 22 23 29",
    "29 xxx 617 361 16 22 24 26 28 30 31 32",
    "30 xxx 603 433 26 27 29 31",
    "31 xxx 554 424 29 30 32 33",
    "32 xxx 497 384 16 29 31 33 34 35",
    "33 xxx 502 448 31 32 35",
    "34 xxx 427 376 16 20 32 35 39 40",
    "35 xxx 405 465 32 33 34 40",
    "36 xxx 226 118 17 18 37 38",
    "37 xxx 154 173 36 38 42 43 44 45",
    "38 xxx 261 206 18 19 36 37 39 42",
    "39 xxx 291 295 19 20 34 38 40 42",
    "40 xxx 269 393 34 35 39 41 42",
    "41 xxx 170 378 40 42 43 46",
    "42 xxx 191 280 37 38 39 40 41 43",
    "43 xxx 110 245 37 41 42 45 46",
    "44 xxx 100 82 37 45",
    "45 xxx 74 149 37 43 44 46",
    "46 xxx 51 316 41 43 45",
};
// clang-format on

}  // namespace

const MapTextContent& PlaceTextUSA() {
    static const MapTextContent kLines{kContinents, kTerritories};
    return kLines;
}
