// Draws the board pictures and outline files of one map of real places, from its inputs in
// tools/places/<map>, and checks them against the compiled label tables and content.
// Usage: gen_place_maps <tools/places folder> <res folder> <map> [--strict | --search N SEED]
//        gen_place_maps <tools/places folder> <res folder> --all [--strict]
// --all draws every map of real places that the catalogue names, each in a run of its own;
// --search looks for label points (the cells' sites) that give the catalogue's counts and prints
// the label rows and content rows to be copied into maps/places/<map>.cpp; --draw does the
// same for a map whose territories are drawn whole from their parts, at the label points of its
// cells.txt. Broken rules are reported; with --strict they fail the run.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "maps/place_art.h"
#include "tools/places/place_map.h"
#include "tools/run_each.h"

namespace {

using namespace places;

// The map of real places drawn from the folder `name`; its paint points' shift and players
// panel's corner are the game's own (see PlaceMap).
std::optional<PlaceMap> PlaceNamed(std::string_view name) {
    for (const BuiltinMap* map : MapsDrawnBy(MapSource::kPlaceDrawing))
        if (map->drawnFrom == name) return PlaceMap{std::string(name), map};
    return std::nullopt;
}

// Every map of real places, each drawn by a run of this program of its own.
int DrawAll(const std::string& places, const std::string& res, const std::string& mode) {
    std::vector<std::vector<std::string>> runs;
    for (const BuiltinMap* map : MapsDrawnBy(MapSource::kPlaceDrawing)) {
        runs.push_back({places, res, std::string(map->drawnFrom)});
        if (!mode.empty()) runs.back().push_back(mode);
    }
    return tools::RunSelfForEach(runs, tools::DefaultParallelRuns()) ? 0 : 1;
}

int Fail(const std::string& why) {
    std::fprintf(stderr, "gen_place_maps: %s\n", why.c_str());
    return 1;
}

// The C++ name of the map's tables: its catalogue name without spaces.
std::string PrefixOf(const BuiltinMap& map) {
    std::string p;
    for (const char c : std::string_view(map.name))
        if (c != ' ') p += c;
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: gen_place_maps <places folder> <res folder> <map> "
                     "[--strict | --search N SEED | --draw]\n"
                     "       gen_place_maps <places folder> <res folder> --all [--strict]\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1], res = argv[2];
    if (std::string_view(argv[3]) == "--all")
        return DrawAll(argv[1], argv[2], argc > 4 ? argv[4] : "");
    const auto place = PlaceNamed(argv[3]);
    if (!place || place->map == nullptr) return Fail(std::string("no map of places ") + argv[3]);
    const std::string_view mode = argc > 4 ? argv[4] : "";
    std::string error;
    // A map may bring its own outlines (other countries, or states); else the shared file.
    const std::filesystem::path own = dir / place->folder / "countries.txt";
    const auto countries = LoadCountries(
        (std::filesystem::exists(own) ? own : dir / "countries-50m.txt").string(), &error);
    if (!countries) return Fail(error);
    const auto layout = LoadLayout((dir / place->folder / "layout.txt").string(), &error);
    if (!layout) return Fail(error);
    const auto plan = LoadCellPlan((dir / place->folder / "cells.txt").string(), &error);
    if (!plan) return Fail(error);
    const std::string prefix = PrefixOf(*place->map);

    if (mode == "--regions") {  // the states' land, to look at while choosing the layout
        std::vector<Vec2> from, to;
        for (const auto& [geo, board] : layout->controls) from.push_back(geo), to.push_back(board);
        Warp warp;
        warp.Fit(from, to);
        const auto shapes = BuildShapes(*countries, *layout, warp, &error);
        const maps::MapArt none{};
        const Board regions = Rasterise(shapes, *layout, none, {}, 2, false, 0);
        Finished f{Render(regions, raster::Rgb(64, 64, 64)), {}};
        return WriteMapFiles(res, 0, "Look", 2, f, &error) ? 0 : Fail(error);
    }
    if (mode == "--draw") {  // a map drawn whole from its parts: its label points, no search
        std::string placed;
        const OwnedArt art = LabelledArt(*place, *countries, *layout, *plan, &placed);
        const Drawing d = Draw(*place, *countries, *layout, *plan, art.View());
        for (int size = 1; size <= 3; ++size)
            WriteMapFiles(res, place->map->bitmaps[size - 1], std::string(place->map->code), size,
                          d.sizes[size - 1], &error);
        for (const auto& w : d.warnings) std::fprintf(stderr, "gen_place_maps: %s\n", w.c_str());
        for (const auto& e : d.errors) std::fprintf(stderr, "gen_place_maps: %s\n", e.c_str());
        std::printf("%s%s\n%s", placed.c_str(), ArtSource(prefix, art.View()).c_str(),
                    ContentSource(prefix, d.tables, art.View()).c_str());
        return d.errors.empty() ? 0 : 1;
    }
    if (mode == "--search") {
        const int attempts = argc > 5 ? std::atoi(argv[5]) : 20;
        const std::uint64_t seed = argc > 6 ? std::strtoull(argv[6], nullptr, 10) : 1;
        OwnedArt best;
        const auto art = SearchArt(*place, *countries, *layout, *plan, attempts, seed, &best);
        if (!art) {
            // The nearest miss is drawn, to be looked at, and its label points printed, to be
            // nudged by hand and drawn with --draw.
            const maps::MapArt view = best.View();
            const Drawing d = Draw(*place, *countries, *layout, *plan, view);
            for (int size = 1; size <= 3 && !view.labelsSize23.empty(); ++size)
                WriteMapFiles(res, place->map->bitmaps[size - 1], std::string(place->map->code),
                              size, d.sizes[size - 1], &error);
            for (std::size_t t = 1; t <= view.labelsSize23.size(); ++t)
                std::printf("label %zu %d %d\n", t, view.labelsSize23[t - 1].x,
                            view.labelsSize23[t - 1].y);
            return Fail("no sound label points found");
        }
        const Drawing d = Draw(*place, *countries, *layout, *plan, art->View());
        std::printf("%s\n%s", ArtSource(prefix, art->View()).c_str(),
                    ContentSource(prefix, d.tables, art->View()).c_str());
        return 0;
    }

    const maps::MapArt* art = maps::ArtOf(*place->map);
    if (art == nullptr) return Fail("no compiled label table for " + place->folder);
    Drawing d = Draw(*place, *countries, *layout, *plan, *art);
    for (const auto& miss : CompiledMisses(d.tables, *art, PlaceMapContent(*place->map)))
        d.errors.push_back(miss);
    for (int size = 1; size <= 3; ++size)
        if (!WriteMapFiles(res, place->map->bitmaps[size - 1], std::string(place->map->code), size,
                           d.sizes[size - 1], &error))
            return Fail(error);
    for (const auto& w : d.warnings) std::printf("gen_place_maps: %s\n", w.c_str());
    for (const auto& e : d.errors) std::fprintf(stderr, "gen_place_maps: %s\n", e.c_str());
    return !d.errors.empty() && mode == "--strict" ? 1 : 0;
}
