// Romania's map text has no lines yet: gen_place_text_maps prints them here once its inputs stand
// in tools/placetexts/Romania/.
#include "maps/place_texts.h"

const MapTextContent& PlaceTextRomania() {
    static const MapTextContent kNoLines{};
    return kNoLines;
}
