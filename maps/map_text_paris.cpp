// ParisByNight, the smallest of the built-in map texts, line for line.
#include "maps/map_texts.h"

namespace {

const char* const kContinentLines[] = {
    "8 La_Rive_Droite 1 2 3 4 5 6 7 8 9 10 11 12",
    "1 La_Defense 13 14 15 ",  // the trailing blank is part of the text
    "4 La_Rive_Gauche 16 17 18 19 20 21",
};

const char* const kTerritoryLines[] = {
    "1 xxx 372 256 5 6 4 3 2 17 18",  "2 xxx 511 321 1 3 18 21 8 9 20 4",
    "3 xxx 503 272 1 4 2 8 7",        "4 xxx 419 232 1 6 7 3 2",
    "5 xxx 335 212 1 6 17 15 13 12",  "6 xxx 419 173 1 5 4 7 12 13",
    "7 xxx 493 204 6 4 3 8 10 11 12", "8 xxx 572 290 3 2 9 10 11 7",
    "9 xxx 625 377 10 8 2 21 20",     "10 xxx 635 234 9 8 7 11",
    "11 xxx 593 138 10 8 7 12",       "12 xxx 505 88 11 7 6 5 13",
    "13 xxx 330 106 12 6 5 15 14",    "14 xxx 46 85 13 15",
    "15 xxx 144 311 14 13 5 17 16",   "16 xxx 213 380 15 17 18 19",
    "17 xxx 287 305 15 16 18 1 5",    "18 xxx 384 349 17 1 2 21 19 16",
    "19 xxx 357 455 16 18 21 20",     "20 xxx 493 472 19 21 2 9",
    "21 xxx 486 378 9 20 19 18 2",
};

const MapTextContent kParisByNight{kContinentLines, kTerritoryLines};

}  // namespace

const MapTextContent& ParisByNightContent() {
    return kParisByNight;
}
