// Which map texts are drawn from real places, and their lines.
#include "maps/place_texts.h"

namespace {

struct PlaceTextEntry {
    std::string_view name;
    const MapTextContent& (*lines)();
};

const PlaceTextEntry kPlaceTexts[] = {
    {"USA", &PlaceTextUSA},         {"Europe2", &PlaceTextEurope2}, {"africa", &PlaceTextAfrica},
    {"Ireland", &PlaceTextIreland}, {"Romania", &PlaceTextRomania}, {"Russia", &PlaceTextRussia},
    {"WorldII", &PlaceTextWorldII}, {"France", &PlaceTextFrance},
};

}  // namespace

const MapTextContent* PlaceTextContent(std::string_view name) {
    for (const PlaceTextEntry& entry : kPlaceTexts) {
        if (entry.name != name) continue;
        const MapTextContent& lines = entry.lines();
        return lines.territoryLines.empty() ? nullptr : &lines;
    }
    return nullptr;
}
