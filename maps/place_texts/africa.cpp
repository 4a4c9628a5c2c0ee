// africa's map text, printed by `gen_place_text_maps tools/placetexts --print africa` from
// tools/placetexts/africa/.
#include "maps/place_texts.h"

namespace {

// clang-format off
const char* const kContinents[] = {
    "4 North_Africa 1 2 3 4 5 6",
    "6 West_Africa 7 8 9 10 11 12 13 14 15",
    "5 Central_Africa 16 17 18 19 20 21 22",
    "4 East_Africa 23 24 25 26 27 28",
    "4 Southern_Africa 29 30 31 32 33 34 35",
};
const char* const kTerritories[] = {
    "1 MAR 126 48 2 7",
    "2 DZA 226 80 1 3 4 7 10 14",
    "3 TUN 288 25 2 4",
    "4 LBY 406 97 2 3 5 6 14 16",
    "5 EGY 484 95 4 6",
    "6 SDN 490 176 4 5 16 18 23 24",
    "7 MRT 93 151 1 2 8 10",
    "8 SEN 34 194 7 9 10",
    "9 GIN 73 236 8 10 11",
    "10 MLI 163 163 2 7 8 9 11 12 14",
    "11 CIV 127 260 9 10 12 13",
    "12 BFA 177 213 10 11 13 14 15",
    "13 GHA 179 254 11 12 15",
    "14 NER 296 176 2 4 10 12 15 16",
    "15 NGA 256 243 12 13 14 16 17",
    "16 TCD 384 190 4 6 14 15 17 18",
    "17 CMR 309 291 15 16 18 19 20",
    "18 CAF 414 267 6 16 17 20 21 23",
    "19 GAB 306 329 17 20",
    "20 COG 350 329 17 18 19 21",
    "21 COD 431 343 18 20 22 23 27 28 29",
    "22 AGO 369 443 21 29 33",
    "23 SSD 512 265 6 18 21 24 26 27",
    "24 ETH 592 246 6 23 25 26",
    "25 SOM 693 240 24 26",
    "26 KEN 591 323 23 24 25 27 28",
    "27 UGA 530 313 21 23 26 28",
    "28 TZA 543 379 21 26 27 29 30",
    "29 ZMB 460 460 21 22 28 30 31 32",
    "30 MOZ 566 458 28 29 31 34 35",
    "31 ZWE 510 497 29 30 32 34",
    "32 BWA 433 519 29 31 33 34",
    "33 NAM 368 517 22 32 34",
    "34 ZAF 454 580 30 31 32 33",
    "35 MDG 685 492 30",
};
// clang-format on

}  // namespace

const MapTextContent& PlaceTextAfrica() {
    static const MapTextContent kLines{kContinents, kTerritories};
    return kLines;
}
