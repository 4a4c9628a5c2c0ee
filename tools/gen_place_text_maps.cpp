// Draws the map texts of real places from their inputs (tools/placetexts/<map>/): the map files
// shipped with the program, "<name>.txt" with "<name>.bmp" (small and medium screens) and
// "<name>_2.bmp" (large screen) beside it.
// Usage: gen_place_text_maps <inputs folder> <res folder> --all
//          writes <res>/mapfiles/ for every map folder of the inputs, each map in a run of its
//          own; fails when a drawing rule is broken or the game's compiled lines differ from
//          what the inputs make;
//        gen_place_text_maps <inputs folder> <res folder> <map>...
//          the same for the maps named;
//        gen_place_text_maps <inputs folder> <res folder> --draft <map>
//          the same without the comparison, writing even a broken drawing (to look at it);
//        gen_place_text_maps <inputs folder> --print <map>
//          prints maps/place_texts/<map in lower case>.cpp.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "maps/map_texts.h"
#include "maps/place_texts.h"
#include "platform/raster/bmp.h"
#include "tools/placetexts/place_text_map.h"
#include "tools/run_each.h"

namespace {

namespace fs = std::filesystem;

int Fail(const std::string& why) {
    std::fprintf(stderr, "gen_place_text_maps: %s\n", why.c_str());
    return 1;
}

bool WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// The map file holds exactly the lines the game serves for the text.
std::vector<std::uint8_t> MapFileBytes(const BuiltinMapText& text) {
    g_mapTextBuffer.clear();
    maps::AppendBuiltinMapText(text);
    std::string out;
    for (const std::string& line : g_mapTextBuffer) out += line + "\n";
    g_mapTextBuffer.clear();
    return {out.begin(), out.end()};
}

std::optional<mapgen::TextMap> Make(const fs::path& inputs, std::string_view name,
                                    bool draft = false) {
    std::string error;
    const fs::path folder = inputs / std::string(name);
    auto in = placetexts::LoadPlaceInputs(folder.string(), &error);
    if (!in) {
        Fail(error);
        return std::nullopt;
    }
    in->draft = draft;
    const auto outlines = places::LoadCountries((folder / in->outlines).string(), &error);
    if (!outlines) {
        Fail(error);
        return std::nullopt;
    }
    auto map = placetexts::MakePlaceTextMap(*in, *outlines, &error);
    if (!map) Fail(error);
    return map;
}

bool MatchesCompiled(const mapgen::TextMap& m) {
    const MapTextContent* compiled = PlaceTextContent(m.name);
    return compiled != nullptr &&
           std::equal(m.continentLines.begin(), m.continentLines.end(),
                      compiled->continentLines.begin(), compiled->continentLines.end()) &&
           std::equal(m.territoryLines.begin(), m.territoryLines.end(),
                      compiled->territoryLines.begin(), compiled->territoryLines.end());
}

int Write(const fs::path& inputs, const fs::path& res, std::string_view name, bool draft) {
    const auto map = Make(inputs, name, draft);
    if (!map) return 1;
    if (!draft && !MatchesCompiled(*map))
        return Fail(std::string(name) +
                    ": the compiled lines differ from the inputs'; print them again with --print");
    const std::vector<std::string> errors = mapgen::CheckTextMap(*map);
    for (const std::string& e : errors)
        std::fprintf(stderr, "gen_place_text_maps: %s\n", e.c_str());
    if (!errors.empty() && !draft) return 1;
    const fs::path folder = res / "mapfiles";
    const std::string base(name);
    bool written =
        WriteFile(folder / (base + ".bmp"), raster::WriteBmp(map->drawings[0].picture)) &&
        WriteFile(folder / (base + "_2.bmp"), raster::WriteBmp(map->drawings[1].picture));
    if (!draft) written = written && WriteFile(folder / (base + ".txt"), MapFileBytes(*map->text));
    if (draft)
        for (const auto* lines : {&map->continentLines, &map->territoryLines})
            for (const std::string& line : *lines) std::printf("%s\n", line.c_str());
    return written ? 0 : Fail("cannot write into " + folder.string());
}

int Print(const fs::path& inputs, std::string_view name) {
    const auto map = Make(inputs, name);
    if (!map) return 1;
    for (const std::string& e : mapgen::CheckTextMap(*map))
        std::fprintf(stderr, "gen_place_text_maps: %s\n", e.c_str());
    std::string function = "PlaceText" + std::string(name);
    function[9] = static_cast<char>(std::toupper(static_cast<unsigned char>(function[9])));
    std::fputs(placetexts::PlaceTextFile(*map, function).c_str(), stdout);
    return 0;
}

int WriteAll(const fs::path& inputs, const std::string& res) {
    std::vector<std::vector<std::string>> runs;
    for (const fs::directory_entry& entry : fs::directory_iterator(inputs))
        if (fs::exists(entry.path() / "map.txt"))
            runs.push_back({inputs.string(), res, entry.path().filename().string()});
    std::sort(runs.begin(), runs.end());
    return tools::RunSelfForEach(runs, tools::DefaultParallelRuns()) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[2]) == "--print") return Print(argv[1], argv[3]);
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: gen_place_text_maps <inputs> <res folder> --all | [--draft] <map>...\n"
                     "       gen_place_text_maps <inputs> --print <map>\n");
        return 2;
    }
    if (std::string_view(argv[3]) == "--all") return WriteAll(argv[1], argv[2]);
    const bool draft = std::string_view(argv[3]) == "--draft";
    for (int i = draft ? 4 : 3; i < argc; ++i)
        if (const int rc = Write(argv[1], argv[2], argv[i], draft); rc != 0) return rc;
    return 0;
}
