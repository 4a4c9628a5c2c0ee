// Europe2's map text, printed by `gen_place_text_maps tools/placetexts --print Europe2` from
// tools/placetexts/Europe2/.
#include "maps/place_texts.h"

namespace {

// clang-format off
const char* const kContinents[] = {
    "4 Nordic 1 2 3 4 5",
    "2 British_Isles 6 7 8",
    "5 Western_Europe 9 10 11 12 13 14 15",
    "6 Central_Europe 16 17 18 19 20 21 22",
    "8 Balkans 23 24 25 26 27 28 29 30 31 32 33",
    "4 Eastern_Europe 34 35 36 37 38",
    "2 Russia 39 40 41",
    "3 Anatolia_Caucasus 42 43 44 45 46",
};
const char* const kTerritories[] = {
    "1 Ice 163 67 8",
    "2 Nor 357 188 3 4 39",
    "3 Swe 434 116 2 4 5",
    "4 Fin 502 149 2 3 39",
    "5 Den 356 267 3 16",
    "6 Ire 185 282 8",
    "7 Eng 243 316 8 11",
    "8 Sco 234 236 1 6 7",
    "9 Por 123 489 10",
    "10 Spa 170 523 9 11",
    "11 Fra 264 424 7 10 12 14 15 16",
    "12 Bel 301 357 11 13 16",
    "13 Net 322 323 12 16",
    "14 Swi 331 428 11 15 16 19",
    "15 Ita 349 460 11 14 22 23",
    "16 Ger 373 333 5 11 12 13 14 17 18 19",
    "17 Pol 455 332 16 18 20 36 37 38",
    "18 Cze 407 375 16 17 19 20",
    "19 Aus 404 410 14 16 18 20 21 22",
    "20 Slk 479 380 17 18 19 21 32 38",
    "21 Hun 470 415 19 20 22 23 25 32",
    "22 Slo 372 450 15 19 21 23",
    "23 Cro 399 489 15 21 22 24 25 26",
    "24 Bos 435 460 23 25 26",
    "25 Ser 492 456 21 23 24 26 27 29 31 32",
    "26 Mon 462 485 23 24 25 27 28",
    "27 Kos 499 495 25 26 28 29",
    "28 Alb 476 545 26 27 29 30",
    "29 Mac 518 523 25 27 28 30 31",
    "30 Gre 513 570 28 29 31 42",
    "31 Bul 549 488 25 29 30 32 42",
    "32 Rom 523 424 20 21 25 31 33 38",
    "33 Mol 562 406 32 38",
    "34 Est 508 219 35 40",
    "35 Lat 521 254 34 36 37 40",
    "36 Lit 499 280 17 35 37",
    "37 Blr 541 309 17 35 36 38 40",
    "38 Ukr 612 373 17 20 32 33 37 40 41",
    "39 NRu 570 149 2 4 40",
    "40 CRu 615 238 34 35 37 38 39 41",
    "41 SRu 725 381 38 40 44 46",
    "42 Tur 670 524 30 31 43 44 45",
    "43 Cyp 664 602 42",
    "44 Geo 750 446 41 42 45 46",
    "45 Arm 782 475 42 44 46",
    "46 Aze 828 450 41 44 45",
};
// clang-format on

}  // namespace

const MapTextContent& PlaceTextEurope2() {
    static const MapTextContent kLines{kContinents, kTerritories};
    return kLines;
}
