// France's map text has no lines yet: gen_place_text_maps prints them here once its inputs stand in
// tools/placetexts/France/.
#include "maps/place_texts.h"

const MapTextContent& PlaceTextFrance() {
    static const MapTextContent kNoLines{};
    return kNoLines;
}
