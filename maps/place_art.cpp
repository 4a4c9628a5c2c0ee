// The drawn places' data as their catalogue rows name it.
#include "maps/place_art.h"

namespace maps {

const PlaceData& WorldPlace() {
    static const PlaceData data{WorldArt(), WorldMapContent()};
    return data;
}

const MapArt* ArtOf(const BuiltinMap& map) {
    if (map.place == nullptr) return nullptr;
    const MapArt& art = map.place().art;
    return art.labelsSize23.empty() ? nullptr : &art;
}

}  // namespace maps

const CodeMapContent& PlaceMapContent(const BuiltinMap& map) {
    static const CodeMapContent none{};
    return map.place != nullptr ? map.place().content : none;
}
