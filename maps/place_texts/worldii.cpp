// WorldII's map text has no lines yet: gen_place_text_maps prints them here once its inputs stand
// in tools/placetexts/WorldII/.
#include "maps/place_texts.h"

const MapTextContent& PlaceTextWorldII() {
    static const MapTextContent kNoLines{};
    return kNoLines;
}
