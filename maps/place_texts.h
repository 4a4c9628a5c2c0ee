// The lines of the map texts drawn from real places. Each map's lines stand in a generated file
// of its own, maps/place_texts/<name>.cpp, printed by gen_place_text_maps; a map not drawn yet
// has no lines there.
#pragma once

#include <string_view>

#include "maps/map_texts.h"

const MapTextContent& PlaceTextUSA();
const MapTextContent& PlaceTextEurope2();
const MapTextContent& PlaceTextAfrica();
const MapTextContent& PlaceTextIreland();
const MapTextContent& PlaceTextRomania();
const MapTextContent& PlaceTextRussia();
const MapTextContent& PlaceTextWorldII();
const MapTextContent& PlaceTextFrance();

// The lines of the text with this "[map]" line when it is drawn from a real place and has
// lines; nullptr otherwise.
const MapTextContent* PlaceTextContent(std::string_view name);
