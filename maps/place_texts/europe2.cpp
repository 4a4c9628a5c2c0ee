// Europe2's map text has no lines yet: gen_place_text_maps prints them here once its inputs stand
// in tools/placetexts/Europe2/.
#include "maps/place_texts.h"

const MapTextContent& PlaceTextEurope2() {
    static const MapTextContent kNoLines{};
    return kNoLines;
}
