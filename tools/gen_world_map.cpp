// Draws World's three board pictures and writes its three outline files, from real country
// outlines warped so that each territory lies under its label.
// Usage: gen_world_map <tools/world folder> <res folder> [--suggest | --derive | --strict]
// Writes <res>/bitmaps/<id>.bmp and <res>/maps/Mrvekmap<code><size>.dat of the catalogue's map
// drawn by this generator; --suggest also
// prints extra fill seeds for the pieces the drawing has, to be copied into maps/world_art.cpp;
// --derive keeps the table's medium seeds and prints the small and large seeds of the same pieces.
// Broken drawing rules are reported; with --strict they also fail the run (the art tests check
// the written files either way).
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/map_catalogue.h"
#include "maps/map_content.h"
#include "maps/place_art.h"
#include "maps/validate_picture.h"
#include "maps/world_art.h"
#include "render/board_rules.h"
#include "tools/places/draw.h"
#include "tools/places/finish.h"
#include "tools/places/geo.h"

namespace {

using namespace places;

// Extra pieces each territory has beyond its main one (its count of extra fill seeds).
std::vector<int> WantedPieces() {
    std::vector<int> wanted(43, 0);
    const int rows[][2] = {{2, 4},  {5, 3},  {6, 1},  {13, 1}, {21, 2}, {22, 2}, {25, 2}, {26, 3},
                           {30, 1}, {32, 2}, {33, 2}, {36, 1}, {37, 2}, {39, 9}, {40, 1}, {42, 1}};
    for (const auto& r : rows) wanted[r[0]] = r[1];
    return wanted;
}

void PrintSeeds(int size, const std::vector<maps::FillSeed>& seeds) {
    std::printf("const FillSeed kSeedsSize%d[] = {\n   ", size);
    for (std::size_t i = 0; i < seeds.size(); ++i)
        std::printf(" {%d, %d, %d},%s", seeds[i].territory, seeds[i].x, seeds[i].y,
                    i % 4 == 3 ? "\n   " : "");
    std::printf("\n};\n");
}

// What a run came to: files written and sound, written with broken rules, or nothing written.
enum class Outcome { kSound, kBroken, kFailed };

Outcome Fail(const std::string& why) {
    std::fprintf(stderr, "gen_world_map: %s\n", why.c_str());
    return Outcome::kFailed;
}

// How the seed rows are treated: checked as they stand, all suggested, or derived from size 2.
enum class SeedMode { kCheck, kSuggest, kDerive };

Outcome Run(const std::filesystem::path& world, const std::filesystem::path& res, SeedMode mode) {
    const std::vector<const BuiltinMap*> drawn = MapsDrawnBy(MapSource::kWorldDrawing);
    if (drawn.size() != 1 || drawn.front()->place == nullptr)
        return Fail("the catalogue names no single map for this generator");
    const BuiltinMap& map = *drawn.front();
    const bool suggest = mode != SeedMode::kCheck;
    std::string error;
    const auto countries = LoadCountries((world / "countries.txt").string(), &error);
    if (!countries) return Fail(error);
    const auto layout = LoadLayout((world / "layout.txt").string(), &error);
    if (!layout) return Fail(error);
    const maps::MapArt& art = map.place().art;
    std::vector<Vec2> from, to;
    for (const auto& [t, geo] : layout->anchors) {
        std::int32_t x = 0, y = 0;
        if (!maps::LabelRow(art, 2, t, &x, &y)) return Fail("anchor of unknown territory");
        from.push_back(geo);
        to.push_back(Vec2{static_cast<double>(x), static_cast<double>(y)});
    }
    for (const auto& [geo, board] : layout->controls) from.push_back(geo), to.push_back(board);
    Warp warp;
    if (!warp.Fit(from, to)) return Fail("the anchors give no warp");
    const auto shapes = BuildShapes(*countries, *layout, warp, &error);
    if (shapes.empty()) return Fail(error);

    const raster::Colour border = raster::Rgb(layout->border, layout->border, layout->border);
    const raster::Colour lane = raster::Rgb(layout->lane, layout->lane, layout->lane);
    std::vector<std::string> errors, warnings;
    std::vector<maps::FillSeed> mediumSeeds;
    for (const int size : {2, 1, 3}) {
        const int shiftY = render::PaintPointShiftOf(&map, size);
        maps::PictureRules rules = maps::RulesFor(art, map.place().content, size, shiftY, lane);
        if (mode != SeedMode::kSuggest && size == 2) mediumSeeds = rules.seeds;
        // Seeds are chosen on the thin drawing; the small board is then drawn with thicker
        // land, its pieces kept apart as on the thin drawing.
        Board thin = Rasterise(shapes, *layout, art, mediumSeeds, size, false, shiftY);
        if (suggest) {
            if (mode == SeedMode::kSuggest || size != 2)
                rules.seeds = SuggestSeeds(thin, rules, WantedPieces(), mediumSeeds);
            if (size == 2) mediumSeeds = rules.seeds;
            thin = Rasterise(shapes, *layout, art, mediumSeeds, size, false, shiftY);
            PrintSeeds(size, rules.seeds);
        }
        Board board = thin;
        if (size == 1) {
            board = Rasterise(shapes, *layout, art, mediumSeeds, size, true, shiftY);
            KeepPiecesApart(board, thin, rules, border);
        }
        const Finished done = FinishBoard(board, *layout, rules, errors, warnings);
        if (!WriteMapFiles(res, map.bitmaps[size - 1], std::string(map.code), size, done, &error))
            return Fail(error);
    }
    for (const auto& w : warnings) std::printf("gen_world_map: %s\n", w.c_str());
    for (const auto& e : errors) std::fprintf(stderr, "gen_world_map: %s\n", e.c_str());
    return errors.empty() ? Outcome::kSound : Outcome::kBroken;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: gen_world_map <world folder> <res folder> "
                     "[--suggest | --derive | --strict]\n");
        return 2;
    }
    const std::string_view mode = argc > 3 ? argv[3] : "";
    const Outcome outcome = Run(argv[1], argv[2],
                                mode == "--suggest"  ? SeedMode::kSuggest
                                : mode == "--derive" ? SeedMode::kDerive
                                                     : SeedMode::kCheck);
    if (outcome == Outcome::kFailed) return 1;
    return outcome == Outcome::kBroken && mode == "--strict" ? 1 : 0;
}
