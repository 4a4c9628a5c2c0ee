// Pixel fonts read from Debian's X11 bitmap font files: distinct glyphs, sound refusal of damage.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/posix/posix_files.h"
#include "platform/raster/bitmap_font.h"
#include "platform/raster/pixel_fonts.h"

namespace {

platform::Bytes ReadFont(const std::string& name) {
    const std::optional<platform::Bytes> bytes =
        posix::PosixFiles("").Read(platform::JoinPath(raster::kMiscFontFolder, name), 1u << 20);
    return bytes.value_or(platform::Bytes{});
}

std::vector<std::uint8_t> Pixels(const raster::BitmapFont& font, const std::string& text) {
    return font.Render(text, false, false).ink;
}

// The font files come with xfonts-base, which the build installs.
TEST(PixelFonts, EveryHeightFromSixToTenHasAFontWhoseCellFits) {
    raster::PixelFonts fonts;
    ASSERT_EQ(fonts.Load(posix::PosixFiles(""), raster::kMiscFontFolder),
              static_cast<int>(raster::PixelFonts::FileNames().size()));
    for (int height = 6; height <= raster::PixelFonts::kLargestSmallFace; ++height) {
        const raster::BitmapFont* font = fonts.For({"Terminal", height});
        ASSERT_NE(font, nullptr) << height;
        EXPECT_EQ(font->CellHeight(), height);
    }
    EXPECT_EQ(fonts.For({"MS Sans Serif", 5})->CellHeight(), 6);  // nothing smaller exists
    // Larger and default faces are not small faces.
    EXPECT_EQ(fonts.For({"MS Sans Serif", 13}), nullptr);
    EXPECT_EQ(fonts.For({"MS Sans Serif", 0}), nullptr);
    EXPECT_EQ(fonts.For({"MS Sans Serif", -8}), nullptr);
    EXPECT_EQ(raster::PixelFonts{}.For({"Terminal", 8}), nullptr);
}

// A misread army count misleads the player; every digit and letter must have pixels of its own.
TEST(PixelFonts, DigitsAndLettersAreDistinctAtEverySize) {
    raster::PixelFonts fonts;
    fonts.Load(posix::PosixFiles(""), raster::kMiscFontFolder);
    const std::string alphabet =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz\xE9\xF6";
    for (int height = 6; height <= raster::PixelFonts::kLargestSmallFace; ++height) {
        const raster::BitmapFont* font = fonts.For({"Terminal", height});
        ASSERT_NE(font, nullptr);
        std::set<std::vector<std::uint8_t>> seen;
        for (const char c : alphabet) {
            const std::vector<std::uint8_t> ink = Pixels(*font, std::string(1, c));
            EXPECT_TRUE(seen.insert(ink).second) << "'" << c << "' at height " << height;
            EXPECT_GT(std::count(ink.begin(), ink.end(), 1), 0) << c;
        }
    }
}

TEST(BitmapFont, TextIsTheGlyphsSideBySideAndStylesAddInk) {
    const std::optional<raster::BitmapFont> font =
        raster::BitmapFont::Parse(ReadFont("5x8.pcf.gz"));
    ASSERT_TRUE(font);
    EXPECT_EQ(font->CellHeight(), 8);
    const raster::TextMask one = font->Render("7", false, false);
    const raster::TextMask two = font->Render("77", false, false);
    ASSERT_EQ(two.width, 2 * one.width);
    EXPECT_EQ(two.ascent, font->Ascent());
    for (int y = 0; y < one.height; ++y)
        for (int x = 0; x < one.width; ++x) {
            EXPECT_EQ(two.ink[y * two.width + x], one.ink[y * one.width + x]);
            EXPECT_EQ(two.ink[y * two.width + x + one.width], one.ink[y * one.width + x]);
        }
    const auto count = [](const raster::TextMask& m) {
        return std::count(m.ink.begin(), m.ink.end(), 1);
    };
    EXPECT_GT(count(font->Render("7", true, false)), count(one));
    const raster::TextMask underlined = font->Render("  ", false, true);
    EXPECT_EQ(count(underlined), underlined.width);
    EXPECT_EQ(font->Advance("77", false), two.width);
    EXPECT_EQ(font->Render("", false, false).width, 0);
}

// Damaged files are refused whole, whatever the damage: no crash, no read out of bounds.
TEST(BitmapFont, DamagedFilesAreRefused) {
    const platform::Bytes packed = ReadFont("4x6.pcf.gz");
    ASSERT_FALSE(packed.empty());
    const std::optional<std::vector<std::uint8_t>> plain = raster::Gunzip(packed, 1u << 24);
    ASSERT_TRUE(plain);
    EXPECT_TRUE(raster::BitmapFont::Parse(*plain));  // an uncompressed font reads as well

    EXPECT_FALSE(raster::BitmapFont::Parse(platform::Bytes{}));
    EXPECT_FALSE(raster::BitmapFont::Parse(platform::Bytes{'B', 'M', 0, 0}));
    EXPECT_FALSE(raster::Gunzip(platform::Bytes(packed.begin(), packed.end() - 9), 1u << 24));
    EXPECT_FALSE(raster::Gunzip(packed, 1000));  // larger than allowed

    // Cut short anywhere, the font is refused or read from the tables that are whole.
    for (std::size_t cut = 0; cut < plain->size(); cut += 997) {
        const std::vector<std::uint8_t> head(plain->begin(), plain->begin() + cut);
        (void)raster::BitmapFont::Parse(head);
    }
    // Table offsets, sizes and formats pointing anywhere.
    for (std::size_t at = 8; at < 8 + 9 * 16; ++at) {
        for (const std::uint8_t value : {0x00, 0x7F, 0xFF}) {
            std::vector<std::uint8_t> bent = *plain;
            bent[at] = value;
            (void)raster::BitmapFont::Parse(bent);
        }
    }
    std::vector<std::uint8_t> noTables = *plain;
    noTables[4] = 0;
    EXPECT_FALSE(raster::BitmapFont::Parse(noTables));
}

}  // namespace
