// Ireland's map text, printed by `gen_place_text_maps tools/placetexts --print Ireland` from
// tools/placetexts/Ireland/.
#include "maps/place_texts.h"

namespace {

// clang-format off
const char* const kContinents[] = {
    "5 Northern_Ireland 1 2 3 4 5 6",
    "2 Ulster 7 8 9",
    "4 Connacht 10 11 12 13 14",
    "9 Leinster 15 16 17 18 19 20 21 22 23 24 25 26",
    "4 Munster 27 28 29 30 31 32",
};
const char* const kTerritories[] = {
    "1 Ant 727 98 2 3 5",
    "2 Arm 699 165 1 3 6 9 21",
    "3 Dow 751 157 1 2 21",
    "4 Fer 587 153 6 7 8 9 11 14",
    "5 Der 675 80 1 6 7",
    "6 Tyr 647 133 2 4 5 7 9",
    "7 Don 568 90 4 5 6",
    "8 Cav 624 223 4 9 11 20 21 22 24",
    "9 Mon 658 193 2 4 6 8 21",
    "10 Gal 505 337 12 13 23 27 31",
    "11 Lei 562 213 4 8 13 14 20",
    "12 May 450 246 10 13 14",
    "13 Ros 538 268 10 11 12 14 20 23",
    "14 Sli 507 213 4 11 12 13",
    "15 Car 678 418 17 18 19 25 26",
    "16 Dub 719 317 17 21 22 26",
    "17 Kil 675 342 15 16 19 22 23 24 26",
    "18 Kkn 633 447 15 19 25 31 32",
    "19 Lao 634 384 15 17 18 23 31",
    "20 Lon 589 263 8 11 13 23 24",
    "21 Lou 700 238 2 3 8 9 16 22",
    "22 Mea 679 284 8 16 17 21 24",
    "23 Off 581 347 10 13 17 19 20 24 31",
    "24 Wme 631 303 8 17 20 22 23",
    "25 Wex 691 474 15 18 26 32",
    "26 Wic 728 375 15 16 17 25",
    "27 Cla 466 391 10 30 31",
    "28 Cor 494 546 29 30 32",
    "29 Ker 425 510 28 30",
    "30 Lim 503 468 27 28 29 31 32",
    "31 Tip 570 434 10 18 19 23 27 30 32",
    "32 Wat 578 509 18 25 28 30 31",
};
// clang-format on

}  // namespace

const MapTextContent& PlaceTextIreland() {
    static const MapTextContent kLines{kContinents, kTerritories};
    return kLines;
}
