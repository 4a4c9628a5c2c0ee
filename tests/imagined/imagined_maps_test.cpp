// The imagined maps as the game meets them: tables that keep the map checker's rules, Swamp II's
// text accepted by the parser, pictures that keep the drawing rules at every screen size with
// the players panel's corner left as sea, outline files that load and fit their territories, and
// Three Nations B traced by the board's own tracer; and the inputs' line that draws a map
// organically.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_text.h"
#include "core/model/session_state.h"
#include "maps/map_content.h"
#include "maps/map_setup.h"
#include "maps/map_texts.h"
#include "maps/validate_map.h"
#include "maps/validate_picture.h"
#include "platform/raster/bmp.h"
#include "render/outline_file.h"
#include "tools/mapgen/board_rules.h"
#include "tools/mapgen/strip_map.h"
#include "tools/mapgen/trace_check.h"

namespace {

const bool* const kImaginedMaps[] = {&g_isMapWorms,   &g_isMapLinesII,       &g_isMapSwamp,
                                     &g_isMapSwampII, &g_isMapThreeNationsA, &g_isMapThreeNationsB};

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Res(const std::string& file) {
    return std::string(MAROVEK_RES_DIR) + "/" + file;
}

// The map as its set-up leaves the board's tables, read back as content.
struct BoardContent {
    std::vector<TerritoryContent> territories;
    CodeMapContent View() const { return CodeMapContent{territories, {}, {}}; }
};

BoardContent SetUpMap(const BuiltinMap& map) {
    ClearMapFlags();
    *map.flag = true;
    maps::SetBuiltinMapSize();
    EXPECT_TRUE(maps::SetupBuiltinMap(map)) << map.name;
    BoardContent content;
    for (int t = 1; t <= g_territoryCount; ++t) {
        TerritoryContent tc{" ", g_labelPositions[t].x, g_labelPositions[t].y, {}};
        std::copy(g_neighbours[t].begin() + 1, g_neighbours[t].end(), tc.neighbours.begin());
        content.territories.push_back(tc);
    }
    return content;
}

std::optional<raster::Surface> Picture(const BuiltinMap& map, int size) {
    std::string error;
    auto picture = raster::ReadBmp(
        ReadAll(Res("bitmaps/" + std::to_string(map.bitmaps[size - 1]) + ".bmp")), &error);
    EXPECT_TRUE(picture) << map.name << " size " << size << ": " << error;
    return picture;
}

TEST(ImaginedMaps, TablesKeepEveryRuleOfTheChecker) {
    for (const bool* flag : kImaginedMaps) {
        const BuiltinMap& map = *BuiltinMapByFlag(flag);
        SetUpMap(map);
        EXPECT_TRUE(*map.flag) << map.name << " fell back to World";
        EXPECT_EQ(g_territoryCount, map.territories) << map.name;
        EXPECT_EQ(ValidateCurrentMap(map), std::vector<std::string>{}) << map.name;
    }
}

TEST(ImaginedMaps, SwampIITextParsesWithResultZero) {
    const BuiltinMapText& text = *BuiltinMapTextByName("SwampII");
    ASSERT_TRUE(IsMapTextComplete(text));
    g_gameKind = 0;
    g_mapTextBuffer.clear();
    ASSERT_TRUE(maps::AppendBuiltinMapText(text));
    EXPECT_EQ(static_cast<std::int32_t>(g_mapTextBuffer.size()), 237);
    EXPECT_EQ(ParseMapTextBuffer(), map_text_result::kAccepted);
    EXPECT_EQ(g_territoryCount, 200);
    EXPECT_EQ(g_continentCount, 25);
    EXPECT_EQ(g_playerPanelX, 800);
    EXPECT_EQ(g_playerPanelY, 10);
    for (int t = 1; t <= 200; ++t) ASSERT_EQ(g_territoryCodes[t], "xxx") << t;
}

TEST(ImaginedMaps, PicturesKeepTheDrawingRulesAndLeaveThePanelCornerToTheSea) {
    for (const bool* flag : kImaginedMaps) {
        const BuiltinMap& map = *BuiltinMapByFlag(flag);
        const BoardContent content = SetUpMap(map);
        const mapgen::LabelArt art(content.View());
        for (int size = 1; size <= 3; ++size) {
            SCOPED_TRACE(std::string(map.name) + " size " + std::to_string(size));
            const auto picture = Picture(map, size);
            ASSERT_TRUE(picture);
            EXPECT_EQ(picture->Width(), mapgen::BoardSize(size).width);
            EXPECT_EQ(picture->Height(), mapgen::BoardSize(size).height);
            const auto rules = maps::RulesFor(art.Art(), content.View(), size,
                                              mapgen::PaintShift(map, size), mapgen::kLaneGrey);
            EXPECT_EQ(maps::ValidatePicture(*picture, rules), std::vector<std::string>{});
            const raster::Rect panel = mapgen::PanelArea(map, size);
            ASSERT_FALSE(panel.Empty());
            int land = 0;
            for (int y = panel.top; y < panel.bottom; ++y)
                for (int x = panel.left; x < panel.right; ++x)
                    land += picture->Inside(x, y) && picture->Pixel(x, y) != 0 ? 1 : 0;
            EXPECT_EQ(land, 0);
        }
    }
}

TEST(ImaginedMaps, OutlineFilesLoadAndCoverExactlyTheirTerritories) {
    for (const bool* flag : kImaginedMaps) {
        const BuiltinMap& map = *BuiltinMapByFlag(flag);
        const BoardContent content = SetUpMap(map);
        const mapgen::LabelArt art(content.View());
        for (int size = 1; size <= 3; ++size) {
            SCOPED_TRACE(std::string(map.name) + " size " + std::to_string(size));
            const std::string path =
                Res("maps/" + render::OutlineFileName(std::string(map.code), size));
            if (flag == &g_isMapThreeNationsB) {
                // The board traces this map: a file of its own would never be read.
                EXPECT_FALSE(std::filesystem::exists(path));
                continue;
            }
            std::string error;
            const auto file = render::DecodeOutlineFile(ReadAll(path), &error, map.territories);
            ASSERT_TRUE(file) << error;
            maps::OutlineSet outlines;
            outlines.rows = file->rows;
            const auto picture = Picture(map, size);
            ASSERT_TRUE(picture);
            const auto rules = maps::RulesFor(art.Art(), content.View(), size,
                                              mapgen::PaintShift(map, size), mapgen::kLaneGrey);
            EXPECT_EQ(maps::ValidateOutlines(*picture, outlines, rules),
                      std::vector<std::string>{});
        }
    }
}

TEST(ImaginedMaps, ThreeNationsBTracesToAHundredPointsOrMoreEverywhere) {
    const BuiltinMap& map = *BuiltinMapByFlag(&g_isMapThreeNationsB);
    const BoardContent content = SetUpMap(map);
    for (int size = 1; size <= 3; ++size) {
        SCOPED_TRACE("size " + std::to_string(size));
        const auto picture = Picture(map, size);
        ASSERT_TRUE(picture);
        const std::vector<int> lengths = mapgen::TracedLengths(*picture, content.View(), size);
        ASSERT_EQ(lengths.size(), 102u);
        for (int t = 1; t <= 101; ++t) EXPECT_GE(lengths[static_cast<std::size_t>(t)], 100) << t;
    }
}

// The line that has a map drawn organically: read whole, and refused with its line number when
// a value is missing or out of range.
TEST(ImaginedMaps, OrganicLineIsReadOrRefusedWithItsLine) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("organic_inputs_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string head = "map Swamp\ngroup shift 0 0\nrow 0 1 2 10 100 10 50\n";
    struct Case {
        std::string line;
        bool read;
    };
    const Case cases[] = {{"organic 8 60 7 20 6", true},  {"organic 8 60 7 20", false},
                          {"organic 8 0 7 20 6", false},  {"organic 8 60 0 20 6", false},
                          {"organic 8 60 7 -1 6", false}, {"organic 8 60 7 20 -2", false},
                          {"organic 8 60 7 20 x", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string path = (dir / "map.txt").string();
        std::ofstream(path) << head << c.line << "\n";
        std::string error;
        const auto inputs = mapgen::LoadMapInputs(path, &error);
        ASSERT_EQ(inputs.has_value(), c.read) << error;
        if (!c.read) {
            EXPECT_NE(error.find(":4:"), std::string::npos) << error;
            continue;
        }
        EXPECT_TRUE(inputs->organic.on);
        EXPECT_EQ(inputs->organic.seed, 8u);
        EXPECT_EQ(inputs->organic.reach, 60);
        EXPECT_EQ(inputs->organic.creek, 7);
        EXPECT_EQ(inputs->organic.warp, 20);
        EXPECT_EQ(inputs->organic.shore, 6);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
