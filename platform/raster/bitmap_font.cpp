// Bitmap fonts read from X11 PCF files (gzip-compressed or not): Latin-1 glyphs as whole pixels.
#include "platform/raster/bitmap_font.h"

#include <zlib.h>

#include <algorithm>
#include <cstddef>

namespace raster {
namespace {

constexpr std::uint32_t kAccelerators = 1u << 1;
constexpr std::uint32_t kMetrics = 1u << 2;
constexpr std::uint32_t kBitmaps = 1u << 3;
constexpr std::uint32_t kEncodings = 1u << 5;
constexpr std::uint32_t kBdfAccelerators = 1u << 8;

constexpr std::uint32_t kCompressedMetrics = 0x100;
constexpr std::uint32_t kMostSignificantByteFirst = 1u << 2;
constexpr std::uint32_t kMostSignificantBitFirst = 1u << 3;

// Far beyond any real font; they keep a damaged file from asking for huge tables.
constexpr std::uint32_t kMaxTables = 64;
constexpr std::int64_t kMaxGlyphs = 65536;
constexpr int kMaxGlyphSide = 256;
constexpr std::uint16_t kNoGlyph = 0xFFFF;

// Bounds-checked reads; any read out of range marks the reader failed and answers 0.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    void Seek(std::size_t at) {
        if (at > bytes_.size()) failed_ = true;
        at_ = at;
    }
    void Skip(std::size_t n) { Seek(at_ + n); }
    bool Failed() const { return failed_; }

    std::uint32_t U8() {
        if (failed_ || at_ >= bytes_.size()) return Fail();
        return bytes_[at_++];
    }
    std::uint32_t U16(bool msbFirst) {
        const std::uint32_t a = U8(), b = U8();
        return msbFirst ? (a << 8) | b : (b << 8) | a;
    }
    std::int32_t I16(bool msbFirst) { return static_cast<std::int16_t>(U16(msbFirst)); }
    std::uint32_t U32(bool msbFirst) {
        const std::uint32_t a = U16(msbFirst), b = U16(msbFirst);
        return msbFirst ? (a << 16) | b : (b << 16) | a;
    }
    std::int32_t I32(bool msbFirst) { return static_cast<std::int32_t>(U32(msbFirst)); }

  private:
    std::uint32_t Fail() {
        failed_ = true;
        return 0;
    }
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

struct Table {
    std::uint32_t format = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

struct Metric {
    int left = 0, right = 0, advance = 0, ascent = 0, descent = 0;
};

// Positions the reader at a table's own format word and answers its byte order. A table's size
// may run past the end of the file (the last one is often padded on paper only); every read is
// checked instead.
std::optional<bool> Open(Reader& in, const Table& table, std::size_t fileSize) {
    if (table.offset > fileSize) return std::nullopt;
    in.Seek(table.offset);
    const std::uint32_t format = in.U32(false);
    if (in.Failed() || format != table.format) return std::nullopt;
    return (format & kMostSignificantByteFirst) != 0;
}

std::optional<std::vector<Metric>> ReadMetrics(Reader& in, const Table& table, std::size_t size) {
    const std::optional<bool> msb = Open(in, table, size);
    if (!msb) return std::nullopt;
    const bool compressed = (table.format & 0xFFFFFF00u) == kCompressedMetrics;
    const std::int64_t count = compressed ? in.I16(*msb) : in.I32(*msb);
    if (in.Failed() || count < 0 || count > kMaxGlyphs) return std::nullopt;
    std::vector<Metric> metrics(static_cast<std::size_t>(count));
    for (Metric& m : metrics) {
        if (compressed) {
            const auto next = [&] { return static_cast<int>(in.U8()) - 0x80; };
            m.left = next();
            m.right = next();
            m.advance = next();
            m.ascent = next();
            m.descent = next();
        } else {
            m.left = in.I16(*msb);
            m.right = in.I16(*msb);
            m.advance = in.I16(*msb);
            m.ascent = in.I16(*msb);
            m.descent = in.I16(*msb);
            in.Skip(2);  // attributes
        }
    }
    if (in.Failed()) return std::nullopt;
    return metrics;
}

struct Bitmaps {
    std::uint32_t format = 0;
    std::vector<std::uint32_t> offsets;
    std::span<const std::uint8_t> data;
};

std::optional<Bitmaps> ReadBitmaps(Reader& in, const Table& table,
                                   std::span<const std::uint8_t> file) {
    const std::optional<bool> msb = Open(in, table, file.size());
    if (!msb) return std::nullopt;
    const std::int64_t count = in.I32(*msb);
    if (in.Failed() || count < 0 || count > kMaxGlyphs) return std::nullopt;
    Bitmaps bitmaps;
    bitmaps.format = table.format;
    bitmaps.offsets.resize(static_cast<std::size_t>(count));
    for (std::uint32_t& offset : bitmaps.offsets) offset = in.U32(*msb);
    std::uint32_t sizes[4];
    for (std::uint32_t& s : sizes) s = in.U32(*msb);
    if (in.Failed()) return std::nullopt;
    const std::size_t start = table.offset + 4 + 4 + 4 * static_cast<std::size_t>(count) + 16;
    const std::uint32_t length = sizes[table.format & 3];
    if (start > file.size() || length > file.size() - start) return std::nullopt;
    bitmaps.data = file.subspan(start, length);
    return bitmaps;
}

// A glyph's pixels out of the bitmap data, by the table's padding, unit, byte and bit order.
std::optional<BitmapGlyph> MakeGlyph(const Metric& m, const Bitmaps& bitmaps, std::size_t index) {
    BitmapGlyph glyph;
    glyph.advance = m.advance;
    glyph.left = m.left;
    glyph.ascent = m.ascent;
    glyph.width = m.right - m.left;
    glyph.height = m.ascent + m.descent;
    if (glyph.width < 0 || glyph.height < 0 || glyph.width > kMaxGlyphSide ||
        glyph.height > kMaxGlyphSide || glyph.advance < 0 || glyph.advance > kMaxGlyphSide ||
        index >= bitmaps.offsets.size())
        return std::nullopt;
    const std::size_t pad = std::size_t{1} << (bitmaps.format & 3);
    const std::size_t unit = std::size_t{1} << ((bitmaps.format >> 4) & 3);
    const bool msbByte = (bitmaps.format & kMostSignificantByteFirst) != 0;
    const bool msbBit = (bitmaps.format & kMostSignificantBitFirst) != 0;
    const std::size_t rowBytes =
        (static_cast<std::size_t>(glyph.width) + 8 * pad - 1) / (8 * pad) * pad;
    const std::size_t start = bitmaps.offsets[index];
    if (start > bitmaps.data.size() ||
        rowBytes * static_cast<std::size_t>(glyph.height) > bitmaps.data.size() - start)
        return std::nullopt;
    glyph.ink.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0);
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            std::size_t byte = static_cast<std::size_t>(x) / 8;
            // Bytes stand reversed within each scan unit when byte and bit orders differ.
            if (msbByte != msbBit && unit > 1) byte = byte / unit * unit + (unit - 1 - byte % unit);
            if (byte >= rowBytes) return std::nullopt;
            const std::uint8_t bits = bitmaps.data[start + rowBytes * y + byte];
            const int bit = msbBit ? 7 - x % 8 : x % 8;
            glyph.ink[static_cast<std::size_t>(y) * glyph.width + x] = (bits >> bit) & 1;
        }
    }
    return glyph;
}

struct Encoding {
    std::uint32_t firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0, defaultChar = 0;
    std::vector<std::uint16_t> indices;

    std::optional<std::size_t> IndexOf(std::uint32_t code) const {
        const std::uint32_t row = code >> 8, column = code & 0xFF;
        if (row < firstRow || row > lastRow || column < firstColumn || column > lastColumn)
            return std::nullopt;
        const std::size_t at =
            (row - firstRow) * (lastColumn - firstColumn + 1) + (column - firstColumn);
        if (at >= indices.size() || indices[at] == kNoGlyph) return std::nullopt;
        return indices[at];
    }
};

std::optional<Encoding> ReadEncoding(Reader& in, const Table& table, std::size_t size) {
    const std::optional<bool> msb = Open(in, table, size);
    if (!msb) return std::nullopt;
    Encoding e;
    e.firstColumn = in.U16(*msb);
    e.lastColumn = in.U16(*msb);
    e.firstRow = in.U16(*msb);
    e.lastRow = in.U16(*msb);
    e.defaultChar = in.U16(*msb);
    if (in.Failed() || e.lastColumn < e.firstColumn || e.lastRow < e.firstRow ||
        e.lastColumn > 0xFF || e.lastRow > 0xFF)
        return std::nullopt;
    e.indices.resize((e.lastColumn - e.firstColumn + 1) * (e.lastRow - e.firstRow + 1));
    for (std::uint16_t& index : e.indices) index = static_cast<std::uint16_t>(in.U16(*msb));
    if (in.Failed()) return std::nullopt;
    return e;
}

bool IsGzip(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 0x1F && bytes[1] == 0x8B;
}

// A font file is small; an inflated one larger than this is not a font.
constexpr std::size_t kMaxFontBytes = 16u << 20;

}  // namespace

std::optional<std::vector<std::uint8_t>> Gunzip(std::span<const std::uint8_t> bytes,
                                                std::size_t maxBytes) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) return std::nullopt;
    stream.next_in = const_cast<Bytef*>(bytes.data());
    stream.avail_in = static_cast<uInt>(bytes.size());
    std::vector<std::uint8_t> out;
    std::uint8_t chunk[16384];
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = chunk;
        stream.avail_out = sizeof chunk;
        result = inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END) break;
        const std::size_t produced = sizeof chunk - stream.avail_out;
        if (out.size() + produced > maxBytes) {
            result = Z_MEM_ERROR;
            break;
        }
        out.insert(out.end(), chunk, chunk + produced);
        if (result == Z_OK && produced == 0 && stream.avail_in == 0) result = Z_DATA_ERROR;
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END) return std::nullopt;
    return out;
}

std::optional<BitmapFont> BitmapFont::Parse(std::span<const std::uint8_t> bytes) {
    std::optional<std::vector<std::uint8_t>> inflated;
    if (IsGzip(bytes)) {
        inflated = Gunzip(bytes, kMaxFontBytes);
        if (!inflated) return std::nullopt;
        bytes = *inflated;
    }
    Reader in(bytes);
    if (in.U8() != 1 || in.U8() != 'f' || in.U8() != 'c' || in.U8() != 'p') return std::nullopt;
    const std::uint32_t tableCount = in.U32(false);
    if (in.Failed() || tableCount > kMaxTables) return std::nullopt;
    std::optional<Table> accelerators, bdfAccelerators, metricsTable, bitmapsTable, encodingTable;
    for (std::uint32_t i = 0; i < tableCount; ++i) {
        const std::uint32_t type = in.U32(false);
        Table t{in.U32(false), in.U32(false), in.U32(false)};
        if (type == kAccelerators) accelerators = t;
        if (type == kBdfAccelerators) bdfAccelerators = t;
        if (type == kMetrics) metricsTable = t;
        if (type == kBitmaps) bitmapsTable = t;
        if (type == kEncodings) encodingTable = t;
    }
    if (in.Failed() || !metricsTable || !bitmapsTable || !encodingTable) return std::nullopt;
    const std::optional<Table> accel = bdfAccelerators ? bdfAccelerators : accelerators;
    if (!accel) return std::nullopt;

    BitmapFont font;
    const std::optional<bool> msb = Open(in, *accel, bytes.size());
    if (!msb) return std::nullopt;
    in.Skip(8);  // the accelerator flags
    font.ascent_ = in.I32(*msb);
    font.descent_ = in.I32(*msb);
    if (in.Failed() || font.ascent_ < 0 || font.descent_ < 0 || font.ascent_ > kMaxGlyphSide ||
        font.descent_ > kMaxGlyphSide || font.CellHeight() == 0)
        return std::nullopt;

    const std::optional<std::vector<Metric>> metrics = ReadMetrics(in, *metricsTable, bytes.size());
    const std::optional<Bitmaps> bitmaps = ReadBitmaps(in, *bitmapsTable, bytes);
    const std::optional<Encoding> encoding = ReadEncoding(in, *encodingTable, bytes.size());
    if (!metrics || !bitmaps || !encoding || metrics->size() != bitmaps->offsets.size())
        return std::nullopt;
    const auto glyphFor = [&](std::uint32_t code) -> std::optional<BitmapGlyph> {
        const std::optional<std::size_t> index = encoding->IndexOf(code);
        if (!index || *index >= metrics->size()) return std::nullopt;
        return MakeGlyph((*metrics)[*index], *bitmaps, *index);
    };
    bool any = false;
    for (std::uint32_t c = 0; c < 256; ++c) {
        font.glyphs_[c] = glyphFor(c);
        any = any || font.glyphs_[c].has_value();
    }
    if (!any) return std::nullopt;
    font.default_ = glyphFor(encoding->defaultChar);
    return font;
}

const BitmapGlyph* BitmapFont::Glyph(unsigned char c) const {
    if (glyphs_[c]) return &*glyphs_[c];
    return default_ ? &*default_ : nullptr;
}

int BitmapFont::Advance(const std::string& latin1Text, bool bold) const {
    int width = 0;
    for (const char c : latin1Text)
        if (const BitmapGlyph* glyph = Glyph(static_cast<unsigned char>(c)))
            width += glyph->advance + (bold ? 1 : 0);
    return width;
}

TextMask BitmapFont::Render(const std::string& latin1Text, bool bold, bool underline) const {
    TextMask mask;
    mask.width = Advance(latin1Text, bold);
    mask.height = CellHeight();
    mask.ascent = ascent_;
    mask.ink.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    const auto set = [&](int x, int y) {
        if (x >= 0 && x < mask.width && y >= 0 && y < mask.height)
            mask.ink[static_cast<std::size_t>(y) * mask.width + x] = 1;
    };
    int pen = 0;
    for (const char c : latin1Text) {
        const BitmapGlyph* glyph = Glyph(static_cast<unsigned char>(c));
        if (glyph == nullptr) continue;
        const int top = ascent_ - glyph->ascent;
        for (int y = 0; y < glyph->height; ++y)
            for (int x = 0; x < glyph->width; ++x)
                if (glyph->ink[static_cast<std::size_t>(y) * glyph->width + x] != 0) {
                    set(pen + glyph->left + x, top + y);
                    if (bold) set(pen + glyph->left + x + 1, top + y);
                }
        pen += glyph->advance + (bold ? 1 : 0);
    }
    if (underline) {
        const int row = std::min(ascent_, mask.height - 1);
        for (int x = 0; x < mask.width; ++x) set(x, row);
    }
    return mask;
}

}  // namespace raster
