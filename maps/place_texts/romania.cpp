// Romania's map text, printed by `gen_place_text_maps tools/placetexts --print Romania` from
// tools/placetexts/Romania/.
#include "maps/place_texts.h"

namespace {

// clang-format off
const char* const kContinents[] = {
    "4 Nord-Vest 1 2 3 4 5 6",
    "5 Centru 7 8 9 10 11 12",
    "4 Nord-Est 13 14 15 16 17 18",
    "5 Sud-Est 19 20 21 22 23 24",
    "6 Sud-Muntenia 25 26 27 28 29 30 31 32",
    "4 Sud-Vest_Oltenia 33 34 35 36 37",
    "3 Vest 38 39 40 41",
};
const char* const kTerritories[] = {
    "1 SM 209 121 2 3 4",
    "2 MM 292 124 1 4 5 6 13",
    "3 BH 162 192 1 4 5 7 39",
    "4 SJ 239 172 1 2 3 5",
    "5 CJ 280 226 2 3 4 6 7 8",
    "6 BN 348 158 2 5 8 13",
    "7 AB 267 286 3 5 8 10 33 39 40",
    "8 MS 348 252 5 6 7 9 10 11 13",
    "9 HR 433 250 8 11 12 13 16 17",
    "10 SB 329 329 7 8 11 25 33",
    "11 BV 396 337 8 9 10 12 22 25 27",
    "12 CV 473 321 9 11 17 19 22",
    "13 SV 450 121 2 6 8 9 14 15 16",
    "14 BT 516 79 13 15",
    "15 IS 565 158 13 14 16 18",
    "16 NT 482 183 9 13 15 17 18",
    "17 BC 538 252 9 12 16 18 19",
    "18 VS 609 241 15 16 17 19 20",
    "19 VN 537 328 12 17 18 20 21 22",
    "20 GL 610 323 18 19 21 23",
    "21 BR 606 417 19 20 22 23 24 28",
    "22 BZ 529 391 11 12 19 21 27 28",
    "23 TL 679 418 20 21 24",
    "24 CT 661 518 21 23 28 29",
    "25 AG 366 410 10 11 26 27 31 33 37",
    "26 DB 431 456 25 27 30 31 32",
    "27 PH 465 411 11 22 25 26 28 32",
    "28 IL 564 470 21 22 24 27 29 32",
    "29 CL 528 502 24 28 30 32",
    "30 GR 462 534 26 29 31 32",
    "31 TR 399 530 25 26 30 37",
    "32 IF 480 486 26 27 28 29 30",
    "33 VL 317 394 7 10 25 34 36 37 40",
    "34 GJ 250 430 33 35 36 40 41",
    "35 MH 215 482 34 36 41",
    "36 DJ 272 528 33 34 35 37",
    "37 OT 342 505 25 31 33 36",
    "38 TM 74 335 39 40 41",
    "39 AR 128 265 3 7 38 40",
    "40 HD 227 357 7 33 34 38 39 41",
    "41 CS 136 404 34 35 38 40",
};
// clang-format on

}  // namespace

const MapTextContent& PlaceTextRomania() {
    static const MapTextContent kLines{kContinents, kTerritories};
    return kLines;
}
