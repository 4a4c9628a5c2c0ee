// Printing and comparing the generated tables.
#include "tools/mapgen/emit.h"

#include <algorithm>
#include <sstream>

#include "core/model/map_catalogue.h"
#include "maps/map_texts.h"

namespace mapgen {
namespace {

const char* const kTextOrder[] = {
    "USA",      "Europe2",       "MiddleEarth",   "africa",  "AloneInACrowd",  "Atlantis2",
    "Atlantis", "Doom",          "DragonWarrior", "e2",      "Hex_gone_crazy", "Ireland",
    "Lines",    "Neighbourhood", "OK83",          "Rings",   "Romania",        "coconutz",
    "SwampII",  "JustNeedTwo",   "Russia",        "WorldII", "France",         "107"};

template <class Row>
std::string List(const Row& row) {
    std::string out = "{";
    int last = static_cast<int>(row.size()) - 1;
    while (last > 0 && row[static_cast<std::size_t>(last)] == 0) --last;
    for (int k = 0; k <= last; ++k)
        out += (k ? ", " : "") + std::to_string(row[static_cast<std::size_t>(k)]);
    return out + "}";
}

const ImaginedMap* ByKey(const std::vector<ImaginedMap>& maps, const std::string& key) {
    for (const ImaginedMap& m : maps)
        if (m.Key() == key) return &m;
    return nullptr;
}

// The maps whose contents the generated tables hold: code-built from their contents.
bool HasContentTables(const ImaginedMap& m) {
    return !m.territories.empty() && m.continentLines.empty();
}

// The map set up from a built-in map text, if it is among the maps.
const ImaginedMap* TextMap(const std::vector<ImaginedMap>& maps) {
    for (const ImaginedMap& m : maps)
        if (!m.continentLines.empty()) return &m;
    return nullptr;
}

void PrintTables(std::ostringstream& out, const ImaginedMap& m) {
    const std::string key = m.Key();
    out << "const TerritoryContent k" << key << "Territories[] = {\n";
    for (const TerritoryContent& t : m.territories)
        out << "    {\"" << t.code << "\", " << t.x << ", " << t.y << ", " << List(t.neighbours)
            << "},\n";
    out << "};\nconst BorderRow k" << key << "Borders[] = {\n";
    for (const BorderRow& row : m.borders) out << "    " << List(row) << ",\n";
    out << "};\nconst RouteChain k" << key << "Routes[] = {\n";
    for (const RouteChain& row : m.routes) out << "    " << List(row) << ",\n";
    out << "};\n\n";
}

std::string Quoted(const std::string& line) {
    return "\"" + line + "\"";
}

}  // namespace

std::string ContentFile(const std::vector<ImaginedMap>& maps) {
    std::ostringstream out;
    out << "// Generated contents of the code-built maps other than World; printed by\n"
           "// `gen_imagined_maps tools/imagined --print-content` from the inputs in "
           "tools/imagined.\n"
           "// Maps without contents here are refused by their set-ups.\n"
           "#include \"maps/map_catalogue.h\"\n#include \"maps/map_content.h\"\n\n"
           "namespace {\n\n// clang-format off\n";
    for (const ImaginedMap& m : maps)
        if (HasContentTables(m)) PrintTables(out, m);
    out << "// clang-format on\n\nstruct GeneratedEntry {\n    std::string_view key;\n"
           "    CodeMapContent content;\n};\n\n"
           "// kGeneratedMapContent: one entry per map made here, by its table key.\n"
           "const GeneratedEntry kGeneratedMapContent[] = {\n";
    // In the catalogue's order.
    for (const BuiltinMap& map : BuiltinMaps()) {
        const std::string key = TableKey(map);
        const ImaginedMap* m = ByKey(maps, key);
        if (m != nullptr && HasContentTables(*m))
            out << "    {\"" << key << "\", {k" << key << "Territories, k" << key << "Borders, k"
                << key << "Routes}},\n";
    }
    out << "};\n\nconst CodeMapContent kNoContent{};\n\n}  // namespace\n\n"
           "const CodeMapContent& GeneratedMapContent(const BuiltinMap& map) {\n"
           "    for (const GeneratedEntry& entry : kGeneratedMapContent)\n"
           "        if (entry.key == TableKey(map)) return entry.content;\n"
           "    return kNoContent;\n}\n";
    return out.str();
}

std::string TextsFile(const std::vector<ImaginedMap>& maps) {
    std::ostringstream out;
    out << "// Generated lines of the built-in map texts other than ParisByNight; printed by\n"
           "// `gen_imagined_maps tools/imagined --print-texts`. A text without lines appends "
           "nothing.\n"
           "#include \"maps/map_texts.h\"\n\nnamespace {\n\n// clang-format off\n";
    const ImaginedMap* textMap = TextMap(maps);
    const std::string textName = textMap ? std::string(textMap->map->mapText) : std::string();
    if (textMap) {
        out << "const char* const k" << textName << "Continents[] = {\n";
        for (const std::string& l : textMap->continentLines) out << "    " << Quoted(l) << ",\n";
        out << "};\nconst char* const k" << textName << "Territories[] = {\n";
        for (const std::string& l : textMap->territoryLines) out << "    " << Quoted(l) << ",\n";
        out << "};\n";
    }
    out << "// clang-format on\n\nstruct GeneratedText {\n    const char* name;\n"
           "    MapTextContent content;\n};\n\n"
           "// kGeneratedMapTextContent: one entry per text, by its \"[map]\" line.\n"
           "const GeneratedText kGeneratedMapTextContent[] = {\n";
    for (const char* name : kTextOrder) {
        if (textMap && name == textName)
            out << "    {\"" << name << "\", {k" << name << "Continents, k" << name
                << "Territories}},\n";
        else
            out << "    {\"" << name << "\", {}},\n";
    }
    out << "};\n\nconst MapTextContent kNoLines{};\n\n}  // namespace\n\n"
           "const MapTextContent& GeneratedMapTextContent(const BuiltinMapText& text) {\n"
           "    for (const GeneratedText& entry : kGeneratedMapTextContent)\n"
           "        if (text.name == entry.name) return entry.content;\n"
           "    return kNoLines;\n}\n";
    return out.str();
}

bool MatchesCompiledTables(const ImaginedMap& m) {
    if (!m.continentLines.empty()) {
        const BuiltinMapText* text = BuiltinMapTextByName(m.map->mapText);
        if (text == nullptr) return false;
        const MapTextContent& lines = GeneratedMapTextContent(*text);
        return std::equal(m.continentLines.begin(), m.continentLines.end(),
                          lines.continentLines.begin(), lines.continentLines.end()) &&
               std::equal(m.territoryLines.begin(), m.territoryLines.end(),
                          lines.territoryLines.begin(), lines.territoryLines.end());
    }
    const CodeMapContent& compiled = GeneratedMapContent(*m.map);
    auto sameTerritory = [](const TerritoryContent& a, const TerritoryContent& b) {
        return a.code == b.code && a.x == b.x && a.y == b.y && a.neighbours == b.neighbours;
    };
    return std::equal(m.territories.begin(), m.territories.end(), compiled.territories.begin(),
                      compiled.territories.end(), sameTerritory) &&
           std::equal(m.borders.begin(), m.borders.end(), compiled.borders.begin(),
                      compiled.borders.end()) &&
           std::equal(m.routes.begin(), m.routes.end(), compiled.routes.begin(),
                      compiled.routes.end());
}

}  // namespace mapgen
