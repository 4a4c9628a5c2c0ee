// Makes the imagined maps from their inputs in tools/imagined: their board pictures and outline
// files, or their tables.
// Usage: gen_imagined_maps <inputs folder> <res folder> <input file>...
//          writes <res>/bitmaps/<id>.bmp for the three sizes and
//          <res>/maps/Mrvekmap<code><size>.dat (none for a map whose outlines the board traces);
//          fails when the game's compiled tables differ from what the inputs make, or when a
//          drawing rule is broken.
//        gen_imagined_maps <inputs folder> <res folder> --all
//          the same for every imagined map of the catalogue, each in a run of its own;
//        gen_imagined_maps <inputs folder> <res folder> --draft <input file>...
//          the same without the comparison, writing even a broken drawing (to look at it);
//        gen_imagined_maps <inputs folder> --print-content | --print-texts
//          prints maps/generated_map_content.cpp or maps/generated_map_texts.cpp.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/validate_picture.h"
#include "platform/raster/bmp.h"
#include "tools/mapgen/emit.h"
#include "tools/mapgen/imagined_map.h"
#include "tools/run_each.h"

namespace {

namespace fs = std::filesystem;

int Fail(const std::string& why) {
    std::fprintf(stderr, "gen_imagined_maps: %s\n", why.c_str());
    return 1;
}

std::optional<mapgen::ImaginedMap> Make(const fs::path& input, std::string* error) {
    const auto inputs = mapgen::LoadMapInputs(input.string(), error);
    if (!inputs) return std::nullopt;
    return mapgen::MakeImaginedMap(*inputs, error);
}

bool WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Print(const fs::path& inputs, std::string_view what) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(inputs))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<mapgen::ImaginedMap> maps;
    for (const fs::path& file : files) {
        std::string error;
        auto map = Make(file, &error);
        if (!map) return Fail(error);
        for (const std::string& e : mapgen::CheckPictures(*map))
            std::fprintf(stderr, "gen_imagined_maps: %s\n", e.c_str());
        maps.push_back(std::move(*map));
    }
    const std::string text =
        what == "--print-texts" ? mapgen::TextsFile(maps) : mapgen::ContentFile(maps);
    std::fputs(text.c_str(), stdout);
    return 0;
}

int Write(const fs::path& inputs, const fs::path& res, const std::string& file, bool draft) {
    std::string error;
    const auto map = Make(inputs / file, &error);
    if (!map) return Fail(error);
    if (!draft && !mapgen::MatchesCompiledTables(*map))
        return Fail(map->Key() +
                    ": the compiled tables differ from the inputs; print them again with "
                    "--print-content and --print-texts");
    const std::vector<std::string> errors = mapgen::CheckPictures(*map);
    for (const std::string& e : errors) std::fprintf(stderr, "gen_imagined_maps: %s\n", e.c_str());
    if (!errors.empty() && !draft) return 1;
    for (const mapgen::Drawing& d : map->drawings) {
        const int id = map->map->bitmaps[d.size - 1];
        if (!WriteFile(res / "bitmaps" / (std::to_string(id) + ".bmp"),
                       raster::WriteBmp(d.picture)))
            return Fail("cannot write into " + res.string());
        if (map->map->tracedByBoard) continue;
        const auto outlines = maps::EncodeOutlineFile(mapgen::Outlines(d, map->layout.territories));
        if (!outlines) return Fail(map->Key() + ": an outline does not fit the outline file");
        const std::string name =
            "Mrvekmap" + std::string(map->map->code) + std::to_string(d.size) + ".dat";
        if (!WriteFile(res / "maps" / name, *outlines))
            return Fail("cannot write into " + res.string());
    }
    return 0;
}

// Every imagined map, each drawn by a run of this program of its own.
int WriteAll(const std::string& inputs, const std::string& res) {
    std::vector<std::vector<std::string>> runs;
    for (const BuiltinMap* map : MapsDrawnBy(MapSource::kImaginedDrawing))
        runs.push_back({inputs, res, std::string(map->drawnFrom)});
    return tools::RunSelfForEach(runs, tools::DefaultParallelRuns()) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && (std::string_view(argv[2]) == "--print-content" ||
                      std::string_view(argv[2]) == "--print-texts"))
        return Print(argv[1], argv[2]);
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: gen_imagined_maps <inputs folder> <res folder> <input file>...\n"
                     "       gen_imagined_maps <inputs folder> <res folder> --all\n"
                     "       gen_imagined_maps <inputs folder> --print-content | --print-texts\n");
        return 2;
    }
    if (std::string_view(argv[3]) == "--all") return WriteAll(argv[1], argv[2]);
    const bool draft = std::string_view(argv[3]) == "--draft";
    for (int i = draft ? 4 : 3; i < argc; ++i)
        if (const int rc = Write(argv[1], argv[2], argv[i], draft); rc != 0) return rc;
    return 0;
}
