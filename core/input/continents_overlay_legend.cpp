// The legend lines of the built-in maps' continents, in continent order, for the bonus window.
#include <string>

#include "core/input/continents_overlay.h"
#include "core/model/map_catalogue.h"

namespace continents_overlay {

std::span<const char* const> BuiltinLegend() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return map != nullptr ? map->continentNames : std::span<const char* const>{};
}

std::string LegendLine(std::string_view name, std::int32_t bonus) {
    // The name's padding less one blank, then the bonus.
    if (!name.empty()) name.remove_suffix(1);
    return std::string(name) + std::to_string(bonus);
}

}  // namespace continents_overlay
