// BMP files: the exact bytes written, the layouts read, and malformed files refused.
#include "platform/raster/bmp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/raster/pattern.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A valid BMP built field by field: `rows` are the pixel bytes of each stored row, padding
// included, in file order.
Bytes MakeBmp(int width, int height, int bits, const std::vector<Bytes>& rows,
              const Bytes& palette = {}, std::uint32_t coloursUsed = 0) {
    // Sized once up front: growing the header by insertion trips a false bounds warning of GCC 12
    // at -O3.
    std::size_t size = 54 + palette.size();
    for (const Bytes& row : rows) size += row.size();
    Bytes b(size, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 10, static_cast<std::uint32_t>(54 + palette.size()), 4);
    Put(b, 14, 40, 4);
    Put(b, 18, static_cast<std::uint32_t>(width), 4);
    Put(b, 22, static_cast<std::uint32_t>(height), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, static_cast<std::uint32_t>(bits), 2);
    Put(b, 46, coloursUsed, 4);
    auto at = std::copy(palette.begin(), palette.end(), b.begin() + 54);
    for (const Bytes& row : rows) at = std::copy(row.begin(), row.end(), at);
    Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
    return b;
}

raster::Surface TwoByTwo() {
    return rastertest::FromRows({"rb", "k#"});
}

TEST(WriteBmp, LaysOutHeadersAndPaddedBottomUpRows) {
    const Bytes expected = [] {
        // Bottom row first: black, grey; then red, blue; each row 6 bytes + 2 of padding.
        Bytes b =
            MakeBmp(2, 2, 24, {{0, 0, 0, 0x80, 0x80, 0x80, 0, 0}, {0, 0, 0xFF, 0xFF, 0, 0, 0, 0}});
        Put(b, 34, 16, 4);  // image size
        return b;
    }();
    EXPECT_EQ(raster::WriteBmp(TwoByTwo()), expected);
}

TEST(WriteBmp, RoundTripIsByteExact) {
    raster::Surface s(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) s.SetPixel(x, y, raster::Rgb(x * 50, y * 90, x * y * 7 + 1));
    const Bytes first = raster::WriteBmp(s);
    ASSERT_EQ(first.size(), 54u + 3 * 16);
    std::string error;
    const auto read = raster::ReadBmp(first, &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->Pixels(), s.Pixels());
    EXPECT_EQ(raster::WriteBmp(*read), first);
}

struct Layout {
    const char* name;
    Bytes file;
    std::vector<std::string> rows;
};

TEST(ReadBmp, ReadsEachSupportedLayout) {
    const std::vector<std::string> picture{"rb", "k#"};
    Bytes fullPalette(1024, 0);
    Put(fullPalette, 4 * 7, 0xFF0000, 3);    // red, stored B G R
    Put(fullPalette, 4 * 200, 0x0000FF, 3);  // blue
    Put(fullPalette, 4 * 255, 0x808080, 3);  // grey
    const std::vector<Layout> layouts{
        {"24-bit bottom-up",
         MakeBmp(2, 2, 24, {{0, 0, 0, 0x80, 0x80, 0x80, 0, 0}, {0, 0, 0xFF, 0xFF, 0, 0, 0, 0}}),
         picture},
        {"24-bit top-down",
         MakeBmp(2, -2, 24, {{0, 0, 0xFF, 0xFF, 0, 0, 0, 0}, {0, 0, 0, 0x80, 0x80, 0x80, 0, 0}}),
         picture},
        {"32-bit with junk in the fourth byte",
         MakeBmp(2, 2, 32, {{0, 0, 0, 9, 0x80, 0x80, 0x80, 9}, {0, 0, 0xFF, 9, 0xFF, 0, 0, 9}}),
         picture},
        {"8-bit, full palette", MakeBmp(2, 2, 8, {{0, 255, 0, 0}, {7, 200, 0, 0}}, fullPalette),
         picture},
        {"8-bit, three colours used, top-down",
         MakeBmp(2, -2, 8, {{2, 1, 0, 0}, {0, 0, 0, 0}}, {0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0},
                 3),
         {"rb", "kk"}},
    };
    for (const Layout& l : layouts) {
        std::string error;
        const auto s = raster::ReadBmp(l.file, &error);
        ASSERT_TRUE(s) << l.name << ": " << error;
        EXPECT_EQ(rastertest::ToRows(*s), l.rows) << l.name;
    }
}

struct Malformed {
    const char* name;
    std::function<void(Bytes&)> spoil;
};

TEST(ReadBmp, RefusesMalformedFiles) {
    const Bytes valid = raster::WriteBmp(TwoByTwo());
    const auto set32 = [](std::size_t at, std::uint32_t v) {
        return [at, v](Bytes& b) { Put(b, at, v, 4); };
    };
    const std::vector<Malformed> cases{
        {"empty", [](Bytes& b) { b.clear(); }},
        {"file header only", [](Bytes& b) { b.resize(14); }},
        {"header cut inside", [](Bytes& b) { b.resize(53); }},
        {"wrong magic", [](Bytes& b) { b[1] = 'N'; }},
        {"core header", set32(14, 12)},
        {"header larger than the file", set32(14, 1000)},
        {"absurd header size", set32(14, 0xFFFFFFF0u)},
        {"zero width", set32(18, 0)},
        {"negative width", set32(18, 0xFFFFFFFEu)},
        {"zero height", set32(22, 0)},
        {"most negative height", set32(22, 0x80000000u)},
        {"absurd width", set32(18, 100000)},
        {"absurd height", set32(22, 100000)},
        {"too many pixels",
         [](Bytes& b) {
             Put(b, 18, 16384, 4);
             Put(b, 22, 16384, 4);
         }},
        {"two planes", [](Bytes& b) { Put(b, 26, 2, 2); }},
        {"16 bits", [](Bytes& b) { Put(b, 28, 16, 2); }},
        {"1 bit", [](Bytes& b) { Put(b, 28, 1, 2); }},
        {"RLE compressed", set32(30, 1)},
        {"bit fields", set32(30, 3)},
        {"pixel data past the end", set32(10, 0xFFFFFFFFu)},
        {"pixel data inside the headers", set32(10, 20)},
        {"pixel data cut by one byte", [](Bytes& b) { b.pop_back(); }},
        {"taller than its data", set32(22, 3)},
        {"8-bit without room for its palette", [](Bytes& b) { Put(b, 28, 8, 2); }},
        {"8-bit palette over 256",
         [](Bytes& b) {
             Put(b, 28, 8, 2);
             Put(b, 46, 257, 4);
         }},
        {"8-bit index beyond the palette",
         [](Bytes& b) {
             b = MakeBmp(2, 1, 8, {{0, 2, 0, 0}}, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, 2);
         }},
    };
    for (const Malformed& c : cases) {
        Bytes file = valid;
        c.spoil(file);
        std::string error;
        EXPECT_FALSE(raster::ReadBmp(file, &error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
    EXPECT_FALSE(raster::ReadBmp({}, nullptr));  // no error text asked for
}

}  // namespace
