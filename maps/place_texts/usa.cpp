// USA's map text has no lines yet: gen_place_text_maps prints them here once its inputs stand in
// tools/placetexts/USA/.
#include "maps/place_texts.h"

const MapTextContent& PlaceTextUSA() {
    static const MapTextContent kNoLines{};
    return kNoLines;
}
