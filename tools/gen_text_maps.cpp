// Draws the imagined map texts from their recipes (tools/mapgen/text_map_recipe.cpp): the map
// files shipped with the program, each "<name>.txt" with "<name>.bmp" (small and medium screens)
// and "<name>_2.bmp" (large screen) beside it.
// Usage: gen_text_maps <res folder> --all
//          writes <res>/mapfiles/ for every recipe, each map in a run of its own; fails when a
//          drawing rule is broken or the game's compiled lines differ from what a recipe makes;
//        gen_text_maps <res folder> <map name>...
//          the same for the maps named;
//        gen_text_maps <res folder> --draft <map name> [<seed>]
//          the same without the comparison, writing even a broken drawing (to look at it),
//          with the recipe's seed or the one given (to try seeds for a recipe);
//        gen_text_maps --print-texts
//          prints maps/text_maps.cpp.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "maps/map_texts.h"
#include "platform/raster/bmp.h"
#include "tools/mapgen/text_map.h"
#include "tools/run_each.h"

namespace {

namespace fs = std::filesystem;

int Fail(const std::string& why) {
    std::fprintf(stderr, "gen_text_maps: %s\n", why.c_str());
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

int Write(const fs::path& res, std::string_view name, bool draft, const char* seed = nullptr) {
    const mapgen::TextMapRecipe* found = mapgen::TextMapRecipeByName(name);
    if (found == nullptr) return Fail("no recipe for " + std::string(name));
    mapgen::TextMapRecipe recipe = *found;
    if (seed != nullptr) recipe.seed = static_cast<std::uint32_t>(std::stoul(seed));
    std::string error;
    const auto map = mapgen::MakeTextMap(recipe, &error);
    if (!map) return Fail(error);
    if (!draft && !mapgen::MatchesCompiledText(*map))
        return Fail(std::string(name) +
                    ": the compiled lines differ from the recipe's; print them again with "
                    "--print-texts");
    const std::vector<std::string> errors = mapgen::CheckTextMap(*map);
    for (const std::string& e : errors) std::fprintf(stderr, "gen_text_maps: %s\n", e.c_str());
    if (!errors.empty() && !draft) return 1;
    const fs::path folder = res / "mapfiles";
    const std::string base(name);
    bool written =
        WriteFile(folder / (base + ".bmp"), raster::WriteBmp(map->drawings[0].picture)) &&
        WriteFile(folder / (base + "_2.bmp"), raster::WriteBmp(map->drawings[1].picture));
    if (!draft) written = written && WriteFile(folder / (base + ".txt"), MapFileBytes(*map->text));
    return written ? 0 : Fail("cannot write into " + folder.string());
}

int PrintTexts() {
    std::vector<mapgen::TextMap> maps;
    for (const mapgen::TextMapRecipe& recipe : mapgen::TextMapRecipes()) {
        if (recipe.style == mapgen::TextMapStyle::kFitted) continue;  // its lines are given
        std::string error;
        auto map = mapgen::MakeTextMap(recipe, &error);
        if (!map) return Fail(error);
        for (const std::string& e : mapgen::CheckTextMap(*map))
            std::fprintf(stderr, "gen_text_maps: %s\n", e.c_str());
        maps.push_back(std::move(*map));
    }
    std::fputs(mapgen::TextMapsFile(maps).c_str(), stdout);
    return 0;
}

int WriteAll(const std::string& res) {
    std::vector<std::vector<std::string>> runs;
    for (const mapgen::TextMapRecipe& recipe : mapgen::TextMapRecipes())
        runs.push_back({res, std::string(recipe.name)});
    return tools::RunSelfForEach(runs, tools::DefaultParallelRuns()) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--print-texts") return PrintTexts();
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: gen_text_maps <res folder> --all | [--draft] <map name>...\n"
                     "       gen_text_maps --print-texts\n");
        return 2;
    }
    if (std::string_view(argv[2]) == "--all") return WriteAll(argv[1]);
    const bool draft = std::string_view(argv[2]) == "--draft";
    if (draft && argc == 5) return Write(argv[1], argv[3], true, argv[4]);
    for (int i = draft ? 3 : 2; i < argc; ++i)
        if (const int rc = Write(argv[1], argv[i], draft); rc != 0) return rc;
    return 0;
}
