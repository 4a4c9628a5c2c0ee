// The making of one imagined map, from its inputs to checked pictures and tables.
#include "tools/mapgen/imagined_map.h"

#include <algorithm>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/validate_picture.h"
#include "tools/mapgen/board_rules.h"
#include "tools/mapgen/labels.h"
#include "tools/mapgen/organic_drawing.h"
#include "tools/mapgen/routes.h"
#include "tools/mapgen/trace_check.h"

namespace mapgen {
namespace {

const BuiltinMap* FindMap(const std::string& name) {
    for (const BuiltinMap& map : BuiltinMaps())
        if (map.name == name) return &map;
    return nullptr;
}

bool IsTextMap(const BuiltinMap& map) {
    return map.continentRuns.empty();
}

Targets TargetsOf(const BuiltinMap& map, const MapInputs& inputs) {
    Targets t;
    t.members.push_back(0);
    t.borders.push_back(0);
    if (IsTextMap(map)) {
        for (const ContinentInputs& c : inputs.continents)
            t.members.push_back(c.members), t.borders.push_back(c.borders);
        t.maxNeighbours = inputs.maxNeighbours;
    } else {
        for (const ContinentRun& run : map.continentRuns)
            t.members.push_back(run.members), t.borders.push_back(run.borderLength);
        t.maxNeighbours = map.maxNeighbours;
    }
    return t;
}

std::vector<BorderRow> BorderRows(const Layout& layout, int continents) {
    std::vector<BorderRow> rows(static_cast<std::size_t>(continents), BorderRow{});
    std::vector<int> used(rows.size(), 0);
    for (int t = 1; t <= layout.territories; ++t) {
        const int c = layout.continentOf[static_cast<std::size_t>(t)];
        const auto& list = layout.neighbours[static_cast<std::size_t>(t)];
        const bool border = std::any_of(list.begin(), list.end(), [&](int n) {
            return layout.continentOf[static_cast<std::size_t>(n)] != c;
        });
        int& k = used[static_cast<std::size_t>(c - 1)];
        if (border && k < kMaxContinentBorder)
            rows[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(k++)] = t;
    }
    return rows;
}

void MakeText(ImaginedMap& m, const MapInputs& inputs) {
    int next = 1;
    for (const ContinentInputs& c : inputs.continents) {
        std::string line = std::to_string(c.bonus) + " " + c.name;
        for (int k = 0; k < c.members; ++k) line += " " + std::to_string(next++);
        m.continentLines.push_back(line);
    }
    for (int t = 1; t <= static_cast<int>(m.territories.size()); ++t) {
        const TerritoryContent& tc = m.territories[static_cast<std::size_t>(t - 1)];
        std::string line =
            std::to_string(t) + " xxx " + std::to_string(tc.x) + " " + std::to_string(tc.y);
        for (std::int32_t n : tc.neighbours)
            if (n != 0) line += " " + std::to_string(n);
        m.territoryLines.push_back(line);
    }
}

}  // namespace

std::string ImaginedMap::Key() const {
    return TableKey(*map);
}

std::optional<ImaginedMap> MakeImaginedMap(const MapInputs& inputs, std::string* error) {
    ImaginedMap m;
    m.map = FindMap(inputs.name);
    if (m.map == nullptr) {
        *error = "no built-in map is called " + inputs.name;
        return std::nullopt;
    }
    const Targets targets = TargetsOf(*m.map, inputs);
    auto layout = BuildLayout(inputs, targets, error);
    if (!layout) return std::nullopt;
    m.layout = std::move(*layout);
    std::vector<int> mediumStrips;
    for (int s = 1; s <= 3; ++s) {
        std::vector<int> owner = Owners(m.layout, s);
        m.drawings[static_cast<std::size_t>(s - 1)] = DrawOwnerGrid(owner, s, m.layout.territories);
        if (s == 2) mediumStrips = std::move(owner);
    }
    const auto labels = PlaceLabels(m.drawings, *m.map, m.layout.territories, error);
    if (!labels) {
        *error = inputs.name + ": " + *error;
        return std::nullopt;
    }
    const bool text = IsTextMap(*m.map);
    for (int t = 1; t <= m.layout.territories; ++t) {
        TerritoryContent tc{text ? "xxx" : " ",
                            (*labels)[static_cast<std::size_t>(t)].x,
                            (*labels)[static_cast<std::size_t>(t)].y,
                            {}};
        const auto& list = m.layout.neighbours[static_cast<std::size_t>(t)];
        if (list.size() > static_cast<std::size_t>(kMaxNeighbours)) {
            *error = inputs.name + ": territory " + std::to_string(t) + " has too many neighbours";
            return std::nullopt;
        }
        std::copy(list.begin(), list.end(), tc.neighbours.begin());
        m.territories.push_back(tc);
    }
    if (inputs.organic.on) {
        // The tables come from the strips; the pictures are drawn again around them.
        m.drawings = DrawOrganic(m.layout, mediumStrips, *m.map, m.Content());
    } else {
        for (Drawing& d : m.drawings) DrawLanes(d, m.layout);
    }
    m.borders = BorderRows(m.layout, static_cast<int>(targets.members.size()) - 1);
    const int routeCount = text ? 0 : m.map->routes;
    Rng rng(inputs.seed ^ 0x5EEDu);
    const auto routes = MakeRoutes(m.layout.neighbours, routeCount, m.map->longestRoute, rng);
    if (!routes) {
        *error = inputs.name + ": no attack chain of the longest length";
        return std::nullopt;
    }
    for (const auto& chain : *routes) {
        RouteChain row{};
        std::copy(chain.begin(), chain.end(), row.begin());
        m.routes.push_back(row);
    }
    if (text) MakeText(m, inputs);
    return m;
}

std::vector<std::string> CheckPictures(const ImaginedMap& m) {
    std::vector<std::string> errors;
    const CodeMapContent content = m.Content();
    const LabelArt art(content);
    for (const Drawing& d : m.drawings) {
        const std::string size = m.Key() + " size " + std::to_string(d.size) + ": ";
        const maps::PictureRules rules =
            maps::RulesFor(art.Art(), content, d.size, PaintShift(*m.map, d.size), kLaneGrey);
        for (const std::string& e : maps::ValidatePicture(d.picture, rules))
            errors.push_back(size + e);
        const raster::Rect panel = PanelArea(*m.map, d.size);
        for (int y = panel.top; y < panel.bottom; ++y)
            for (int x = panel.left; x < panel.right; ++x)
                if (d.picture.Inside(x, y) && d.picture.Pixel(x, y) != 0) {
                    errors.push_back(size + "land in the players panel's corner");
                    y = panel.bottom;
                    break;
                }
        if (m.map->tracedByBoard) {
            for (const std::string& e : TraceShortfalls(d.picture, content, d.size))
                errors.push_back(size + e);
        } else {
            for (const std::string& e :
                 maps::ValidateOutlines(d.picture, Outlines(d, m.layout.territories), rules))
                errors.push_back(size + e);
        }
    }
    return errors;
}

}  // namespace mapgen
