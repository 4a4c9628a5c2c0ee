// Draws the toolbar pictures, the program icon and the About box's separator strip as BMP files.
// Usage: gen_ui_images <res folder>; writes <res>/bitmaps/<id>.bmp and <res>/icons/128.bmp.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/raster/bmp.h"
#include "platform/raster/fill.h"
#include "platform/raster/surface.h"

namespace {

using raster::Colour;
using raster::Rgb;
using raster::Surface;

// Where a toolbar picture shows the toolbar through; the program makes it see-through.
constexpr Colour kKey = Rgb(255, 0, 255);

struct PaletteEntry {
    char symbol;
    Colour colour;
};
constexpr std::array kPalette = std::to_array<PaletteEntry>({
    {'.', kKey},
    {'K', Rgb(0, 0, 0)},
    {'W', Rgb(255, 255, 255)},
    {'Y', Rgb(255, 220, 0)},
    {'O', Rgb(200, 150, 0)},
    {'B', Rgb(0, 80, 200)},
    {'G', Rgb(0, 160, 0)},
    {'R', Rgb(210, 0, 0)},
    {'S', Rgb(200, 200, 210)},
    {'N', Rgb(140, 80, 20)},
});

using Picture16 = std::array<std::string_view, 16>;

struct ToolbarPicture {
    int id;
    int disabledId;
    Picture16 rows;
};

// clang-format off
const std::array kToolbarPictures = std::to_array<ToolbarPicture>({
    {193, 195, {  // New Game: a fresh sheet with a star
        "..KKKKKKKKK.....", "..KWWWWWWWKK....", "..KWWWWWWWKWK...", "..KWWWWWWWKKKK..",
        "..KWWWWWWWWWWK..", "..KWWWWYWWWWWK..", "..KWWWWYWWWWWK..", "..KWWYYYYYWWWK..",
        "..KWWWYYYWWWWK..", "..KWWWYWYWWWWK..", "..KWWYWWWYWWWK..", "..KWWWWWWWWWWK..",
        "..KWWWWWWWWWWK..", "..KWWWWWWWWWWK..", "..KKKKKKKKKKKK..", "................"}},
    {350, 351, {  // Quick Launch: a lightning bolt
        "........KKKKK...", ".......KYYYK....", "......KYYYK.....", ".....KYYYK......",
        "....KYYYKKKKK...", "...KYYYYYYYYK...", "...KKKKKYYYK....", ".......KYYK.....",
        "......KYYK......", ".....KYYK.......", "....KYYK........", "...KYYK.........",
        "...KYK..........", "...KK...........", "................", "................"}},
    {185, 196, {  // Open: an opening folder
        "................", "................", ".KKKK...........", "KOOOOK..........",
        "KOOOOOKKKKKKK...", "KOOOOOOOOOOOK...", "KOOKKKKKKKKKKKK.", "KOKYYYYYYYYYYYK.",
        "KOKYYYYYYYYYYK..", "KKYYYYYYYYYYYK..", "KKYYYYYYYYYYK...", "KYYYYYYYYYYYK...",
        "KKKKKKKKKKKK....", "................", "................", "................"}},
    {194, 197, {  // Save: a disk
        "KKKKKKKKKKKKKKK.", "KBBKWWWWWWWKBBK.", "KBBKWWWWWWWKBBK.", "KBBKWWWWWWWKBBK.",
        "KBBKWWWWWWWKBBK.", "KBBKKKKKKKKKBBK.", "KBBBBBBBBBBBBBK.", "KBBBBBBBBBBBBBK.",
        "KBBSSSSSSSSSBBK.", "KBBSSSSSKKSSBBK.", "KBBSSSSSKKSSBBK.", "KBBSSSSSKKSSBBK.",
        "KBBSSSSSSSSSBBK.", "KKKKKKKKKKKKKKK.", "................", "................"}},
    {359, 360, {  // Continents: a globe
        ".....KKKKKK.....", "...KKBBGGBBKK...", "..KBBGGGGBBBBK..", ".KBBBGGGGGBBGBK.",
        ".KBBBBGGGBBGGBK.", "KBBBBBGGBBBGGGBK", "KBGGBBBBBBBGGBBK", "KBGGGBBBBBBBBBBK",
        "KBBGGGBBBBGGBBBK", "KBBBGGGBBGGGGBBK", ".KBBBGGBBBGGGBK.", ".KBBBBGBBBBGGBK.",
        "..KBBBBBBBBBBK..", "...KKBBBBBBKK...", ".....KKKKKK.....", "................"}},
    {187, 198, {  // Cancel: a red cross
        "................", ".KK.........KK..", "KRRK.......KRRK.", "KRRRK.....KRRRK.",
        ".KRRRK...KRRRK..", "..KRRRK.KRRRK...", "...KRRRKRRRK....", "....KRRRRRK.....",
        "....KRRRRRK.....", "...KRRRKRRRK....", "..KRRRK.KRRRK...", ".KRRRK...KRRRK..",
        "KRRRK.....KRRRK.", "KRRK.......KRRK.", ".KK.........KK..", "................"}},
    {188, 199, {  // Cards: two cards, one over the other
        "................", "KKKKKKKK........", "KWWWWWWK........", "KWRWWWWK........",
        "KWWWKKKKKKKK....", "KWWWKWWWWWWK....", "KWWWKWBWWWWK....", "KWWWKWWWWWWK....",
        "KWWWKWWBBWWK....", "KWWWKWBBBBWK....", "KKKKKWWBBWWK....", "....KWWWWWWK....",
        "....KWWWWWBK....", "....KWWWWWWK....", "....KKKKKKKK....", "................"}},
    {189, 200, {  // Move: an arrow to the right
        "................", "................", "........KK......", "........KBK.....",
        "........KBBK....", "KKKKKKKKKBBBK...", "KBBBBBBBBBBBBK..", "KBBBBBBBBBBBBBK.",
        "KBBBBBBBBBBBBK..", "KKKKKKKKKBBBK...", "........KBBK....", "........KBK.....",
        "........KK......", "................", "................", "................"}},
    {190, 201, {  // Add: a plus
        "................", ".....KKKKK......", ".....KGGGK......", ".....KGGGK......",
        ".....KGGGK......", "KKKKKKGGGKKKKKK.", "KGGGGGGGGGGGGGK.", "KGGGGGGGGGGGGGK.",
        "KGGGGGGGGGGGGGK.", "KKKKKKGGGKKKKKK.", ".....KGGGK......", ".....KGGGK......",
        ".....KGGGK......", ".....KKKKK......", "................", "................"}},
    {191, 202, {  // Attack: a sword
        "............KKK.", "...........KSSK.", "..........KSSK..", ".........KSSK...",
        "........KSSK....", ".......KSSK.....", "......KSSK......", "..KK.KSSK.......",
        "..KRKSSK........", "...KRSK.........", "....KRK.........", "...KNKRK........",
        "..KNK.KK........", ".KNK............", ".KK.............", "................"}},
    {192, 203, {  // Next: a double chevron
        "................", "................", "KK.....KK.......", "KGK....KGK......",
        "KGGK...KGGK.....", ".KGGK...KGGK....", "..KGGK...KGGK...", "...KGGK...KGGK..",
        "...KGGK...KGGK..", "..KGGK...KGGK...", ".KGGK...KGGK....", "KGGK...KGGK.....",
        "KGK....KGK......", "KK.....KK.......", "................", "................"}},
});
// clang-format on

Colour ColourOf(char symbol) {
    for (const PaletteEntry& e : kPalette) {
        if (e.symbol == symbol) return e.colour;
    }
    return kKey;
}

bool Draw(const Picture16& rows, Surface& out) {
    out.Resize(16, 16, kKey);
    for (int y = 0; y < 16; ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        if (row.size() != 16) return false;
        for (int x = 0; x < 16; ++x) out.SetPixel(x, y, ColourOf(row[static_cast<std::size_t>(x)]));
    }
    return true;
}

// The greyed twin: every drawn pixel becomes a grey of its brightness, compressed into a
// light band so that the picture reads as unavailable.
Surface Greyed(const Surface& picture) {
    Surface out = picture;
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x) {
            const Colour c = out.Pixel(x, y);
            if (c == kKey) continue;
            const int lum =
                (raster::RedOf(c) * 30 + raster::GreenOf(c) * 59 + raster::BlueOf(c) * 11) / 100;
            const int grey = 112 + lum * 96 / 255;
            out.SetPixel(x, y, Rgb(grey, grey, grey));
        }
    }
    return out;
}

// The program icon: a little map of three territories on a sea, with grey borders.
Surface ProgramIcon() {
    constexpr int kSize = 64;
    const Colour sea = Rgb(20, 70, 160);
    const Colour border = Rgb(64, 64, 64);
    struct Seed {
        int x, y;
        Colour colour;
    };
    constexpr std::array<Seed, 4> seeds = {{{18, 22, Rgb(220, 40, 40)},
                                            {44, 18, Rgb(240, 200, 20)},
                                            {22, 46, Rgb(40, 170, 60)},
                                            {46, 44, Rgb(230, 230, 230)}}};
    // Region of a pixel: 0 for sea, else 1 + the nearest seed, on an island of two ellipses.
    auto regionOf = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= kSize || y >= kSize) return 0;
        const int dx = x - 32, dy = y - 32;
        const bool island = dx * dx * 100 / (27 * 27) + dy * dy * 100 / (20 * 20) <= 100 ||
                            dx * dx * 100 / (18 * 18) + dy * dy * 100 / (28 * 28) <= 100;
        if (!island) return 0;
        int best = 0, bestDistance = 1 << 30;
        for (int i = 0; i < static_cast<int>(seeds.size()); ++i) {
            const int sx = x - seeds[static_cast<std::size_t>(i)].x;
            const int sy = y - seeds[static_cast<std::size_t>(i)].y;
            if (sx * sx + sy * sy < bestDistance) bestDistance = sx * sx + sy * sy, best = i;
        }
        return best + 1;
    };
    Surface icon(kSize, kSize, sea);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int r = regionOf(x, y);
            if (r == 0) continue;
            const bool edge = regionOf(x + 1, y) != r || regionOf(x - 1, y) != r ||
                              regionOf(x, y + 1) != r || regionOf(x, y - 1) != r;
            icon.SetPixel(x, y, edge ? border : seeds[static_cast<std::size_t>(r - 1)].colour);
        }
    }
    // An army count square on each territory.
    for (const Seed& s : seeds) {
        raster::FillRect(icon, {s.x - 3, s.y - 3, s.x + 4, s.y + 4}, Rgb(0, 0, 0));
        raster::FillRect(icon, {s.x - 2, s.y - 2, s.x + 3, s.y + 3}, Rgb(255, 255, 255));
    }
    return icon;
}

// The About box's etched line: a dark row over a light one.
Surface SeparatorStrip() {
    Surface strip(264, 2, Rgb(255, 255, 255));
    raster::FillRect(strip, {0, 0, 264, 1}, Rgb(128, 128, 128));
    return strip;
}

bool Write(const std::filesystem::path& path, const Surface& picture) {
    const std::vector<std::uint8_t> bytes = raster::WriteBmp(picture);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::fprintf(stderr, "gen_ui_images: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_ui_images <res folder>\n");
        return 2;
    }
    const std::filesystem::path res = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(res / "bitmaps", ec);
    std::filesystem::create_directories(res / "icons", ec);
    bool ok = true;
    for (const ToolbarPicture& p : kToolbarPictures) {
        Surface picture;
        if (!Draw(p.rows, picture)) {
            std::fprintf(stderr, "gen_ui_images: picture %d is not 16 x 16\n", p.id);
            return 1;
        }
        ok &= Write(res / "bitmaps" / (std::to_string(p.id) + ".bmp"), picture);
        ok &= Write(res / "bitmaps" / (std::to_string(p.disabledId) + ".bmp"), Greyed(picture));
    }
    ok &= Write(res / "bitmaps" / "261.bmp", SeparatorStrip());
    ok &= Write(res / "icons" / "128.bmp", ProgramIcon());
    return ok ? 0 : 1;
}
