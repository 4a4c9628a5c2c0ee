// BMP picture files: reading untrusted files into surfaces and writing surfaces out.
#include "platform/raster/bmp.h"

#include <cstddef>
#include <utility>

namespace raster {
namespace {

constexpr std::int64_t kFileHeaderSize = 14;
constexpr std::int64_t kInfoHeaderSize = 40;
constexpr std::int64_t kMaxInfoHeaderSize = 1024;  // BITMAPV5HEADER is 124; leave room
constexpr std::uint32_t kBiRgb = 0;

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::int64_t I32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The header fields that decide how the pixels are read.
struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;  // always positive; topDown says which row comes first
    bool topDown = false;
    int bitsPerPixel = 0;
    std::int64_t stride = 0;
    std::int64_t pixelOffset = 0;
    std::int64_t paletteOffset = 0;
    std::int64_t paletteCount = 0;
};

std::optional<Layout> ReadLayout(const std::vector<std::uint8_t>& b, std::string& error) {
    const auto size = static_cast<std::int64_t>(b.size());
    if (size < kFileHeaderSize + kInfoHeaderSize)
        return error = "file too short for a BMP", std::nullopt;
    if (b[0] != 'B' || b[1] != 'M') return error = "not a BMP file", std::nullopt;
    const std::int64_t infoSize = U32(b, 14);
    if (infoSize < kInfoHeaderSize || infoSize > kMaxInfoHeaderSize)
        return error = "unsupported BMP header size", std::nullopt;
    if (kFileHeaderSize + infoSize > size) return error = "BMP header cut short", std::nullopt;

    Layout l;
    l.width = I32(b, 18);
    const std::int64_t height = I32(b, 22);
    l.topDown = height < 0;
    l.height = height < 0 ? -height : height;
    l.bitsPerPixel = static_cast<int>(U16(b, 28));
    if (U16(b, 26) != 1) return error = "BMP plane count is not 1", std::nullopt;
    if (U32(b, 30) != kBiRgb) return error = "compressed BMP not supported", std::nullopt;
    if (l.bitsPerPixel != 8 && l.bitsPerPixel != 24 && l.bitsPerPixel != 32)
        return error = "unsupported BMP colour depth", std::nullopt;
    if (l.width < 1 || l.height < 1) return error = "BMP has no pixels", std::nullopt;
    if (l.width > kMaxBmpSide || l.height > kMaxBmpSide || l.width * l.height > kMaxBmpPixels)
        return error = "BMP dimensions too large", std::nullopt;
    l.stride = (l.width * l.bitsPerPixel + 31) / 32 * 4;

    l.paletteOffset = kFileHeaderSize + infoSize;
    if (l.bitsPerPixel == 8) {
        const std::int64_t used = U32(b, 46);
        if (used > 256) return error = "BMP palette too large", std::nullopt;
        l.paletteCount = used == 0 ? 256 : used;
    }
    l.pixelOffset = U32(b, 10);
    if (l.pixelOffset < l.paletteOffset + 4 * l.paletteCount)
        return error = "BMP pixel data overlaps its headers", std::nullopt;
    if (l.pixelOffset + l.stride * l.height > size)
        return error = "BMP pixel data cut short", std::nullopt;
    return l;
}

// An 8-bit pixel's colour from the palette; nullopt for an index past it.
std::optional<Colour> ReadPalettePixel(const std::vector<std::uint8_t>& b, const Layout& l,
                                       std::size_t at) {
    if (b[at] >= l.paletteCount) return std::nullopt;
    const auto entry = static_cast<std::size_t>(l.paletteOffset) + 4u * b[at];
    return Rgb(b[entry + 2], b[entry + 1], b[entry]);
}

}  // namespace

std::optional<Surface> ReadBmp(const std::vector<std::uint8_t>& bytes, std::string* error) {
    std::string why;
    const std::optional<Layout> l = ReadLayout(bytes, why);
    if (!l) {
        if (error != nullptr) *error = why;
        return std::nullopt;
    }
    // The rows are decoded in the surface's order straight into its pixels.
    std::vector<Colour> pixels;
    pixels.reserve(static_cast<std::size_t>(l->width * l->height));
    const std::int64_t bytesPerPixel = l->bitsPerPixel / 8;
    for (std::int64_t y = 0; y < l->height; ++y) {
        const std::int64_t row = l->topDown ? y : l->height - 1 - y;
        const std::int64_t rowStart = l->pixelOffset + row * l->stride;
        if (l->bitsPerPixel != 8) {
            // Blue, green and red lead every pixel; the layout check keeps the row inside.
            const std::uint8_t* in = bytes.data() + rowStart;
            for (std::int64_t x = 0; x < l->width; ++x, in += bytesPerPixel)
                pixels.push_back(Rgb(in[2], in[1], in[0]));
            continue;
        }
        for (std::int64_t x = 0; x < l->width; ++x) {
            const auto c =
                ReadPalettePixel(bytes, *l, static_cast<std::size_t>(rowStart + x * bytesPerPixel));
            if (!c) {
                if (error != nullptr) *error = "BMP pixel outside its palette";
                return std::nullopt;
            }
            pixels.push_back(*c);
        }
    }
    return Surface(static_cast<int>(l->width), static_cast<int>(l->height), std::move(pixels));
}

std::vector<std::uint8_t> WriteBmp(const Surface& surface) {
    const std::size_t width = static_cast<std::size_t>(surface.Width());
    const std::size_t height = static_cast<std::size_t>(surface.Height());
    const std::size_t stride = (width * 3 + 3) / 4 * 4;
    const std::size_t headers = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> b(headers + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(headers));
    Put32(b, 14, static_cast<std::uint32_t>(kInfoHeaderSize));
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, 24);
    Put32(b, 30, kBiRgb);
    Put32(b, 34, static_cast<std::uint32_t>(stride * height));
    for (std::size_t row = 0; row < height; ++row) {
        const std::size_t at = headers + row * stride;
        const int y = static_cast<int>(height - 1 - row);
        for (std::size_t x = 0; x < width; ++x) {
            const Colour c = surface.Pixel(static_cast<int>(x), y);
            b[at + 3 * x] = static_cast<std::uint8_t>(BlueOf(c));
            b[at + 3 * x + 1] = static_cast<std::uint8_t>(GreenOf(c));
            b[at + 3 * x + 2] = static_cast<std::uint8_t>(RedOf(c));
        }
    }
    return b;
}

}  // namespace raster
