// Rectangle copies between surfaces: plain, raster-op, stretched and colour-keyed.
#include "platform/raster/blit.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace raster {
namespace {

// Results keep the top byte clear so that no stored pixel can equal kInvalidColour.
constexpr Colour kColourBits = 0x00FFFFFFu;

Colour Combine(Colour dest, Colour src, RasterOp op) {
    switch (op) {
        case RasterOp::kCopy:
            return src;
        case RasterOp::kAnd:
            return (dest & src) & kColourBits;
        case RasterOp::kXor:
            return (dest ^ src) & kColourBits;
        case RasterOp::kOr:
            return (dest | src) & kColourBits;
    }
    return src;
}

// Source column (or row) for destination offset i of a stretch from `srcLength` onto
// `destLength` pixels.
int StretchSource(int start, int i, int srcLength, int destLength) {
    return start + static_cast<int>(static_cast<std::int64_t>(i) * srcLength / destLength);
}

// One row of a keyed copy: source pixels of `key` (and never-stored ones) leave the destination
// as it was. Without branches, and in blocks of a fixed length, so that the select runs on
// several pixels at once even where the compiler only vectorizes loops of a known length. The
// rows never overlap: a copy within one surface reads from a copy of it.
void SelectRow(Colour* __restrict d, const Colour* __restrict s, int width, Colour key) {
    constexpr int kBlock = 16;
    int i = 0;
    for (; i + kBlock <= width; i += kBlock) {
        for (int j = 0; j < kBlock; ++j) {
            const Colour c = s[i + j];
            d[i + j] = c == kInvalidColour || c == key ? d[i + j] : c;
        }
    }
    for (; i < width; ++i) {
        const Colour c = s[i];
        d[i] = c == kInvalidColour || c == key ? d[i] : c;
    }
}

// A copy of equal sizes: the stretch's mapping is a shift, so whole rows go at once, clipped to
// both surfaces.
void ShiftInto(Surface& dest, const Rect& to, const Surface& src, const Rect& from,
               std::optional<Colour> key) {
    const int shiftX = from.left - to.left, shiftY = from.top - to.top;
    const Rect shiftedSrc{-shiftX, -shiftY, src.Width() - shiftX, src.Height() - shiftY};
    const Rect visible = Intersect(Intersect(to, dest.Bounds()), shiftedSrc);
    if (visible.Empty()) return;
    const std::vector<Colour>& in = src.Pixels();
    std::vector<Colour>& out = dest.Pixels();
    for (int y = visible.top; y < visible.bottom; ++y) {
        const Colour* s = in.data() + static_cast<std::ptrdiff_t>(y + shiftY) * src.Width() +
                          (visible.left + shiftX);
        Colour* d = out.data() + static_cast<std::ptrdiff_t>(y) * dest.Width() + visible.left;
        SelectRow(d, s, visible.Width(), key.value_or(kInvalidColour));
    }
}

void StretchInto(Surface& dest, const Rect& to, const Surface& src, const Rect& from,
                 std::optional<Colour> key) {
    if (to.Empty() || from.Empty()) return;
    if (to.Width() == from.Width() && to.Height() == from.Height()) {
        ShiftInto(dest, to, src, from, key);
        return;
    }
    const Rect visible = Intersect(to, dest.Bounds());
    for (int y = visible.top; y < visible.bottom; ++y) {
        const int sy = StretchSource(from.top, y - to.top, from.Height(), to.Height());
        for (int x = visible.left; x < visible.right; ++x) {
            const int sx = StretchSource(from.left, x - to.left, from.Width(), to.Width());
            const Colour c = src.Pixel(sx, sy);
            if (c == kInvalidColour || (key && c == *key)) continue;
            dest.SetPixel(x, y, c);
        }
    }
}

std::ptrdiff_t Offset(const Surface& surface, int x, int y) {
    return static_cast<std::ptrdiff_t>(y) * surface.Width() + x;
}

}  // namespace

void Blit(Surface& dest, int x, int y, const Surface& src, const Rect& from, RasterOp op) {
    // Clip the source to its surface, then the matching destination to its surface.
    Rect s = Intersect(from, src.Bounds());
    if (s.Empty()) return;
    const int shiftX = x - from.left;
    const int shiftY = y - from.top;
    const Rect d = Intersect(
        Rect{s.left + shiftX, s.top + shiftY, s.right + shiftX, s.bottom + shiftY}, dest.Bounds());
    if (d.Empty()) return;
    s = Rect{d.left - shiftX, d.top - shiftY, d.right - shiftX, d.bottom - shiftY};

    // Overlapping copies within one surface read from a snapshot of the source rows.
    const std::vector<Colour> snapshot = &src == &dest ? src.Pixels() : std::vector<Colour>{};
    const std::vector<Colour>& source = &src == &dest ? snapshot : src.Pixels();
    std::vector<Colour>& target = dest.Pixels();
    for (int row = 0; row < d.Height(); ++row) {
        const auto in = source.begin() + Offset(src, s.left, s.top + row);
        const auto out = target.begin() + Offset(dest, d.left, d.top + row);
        if (op == RasterOp::kCopy) {
            std::copy(in, in + d.Width(), out);
            continue;
        }
        for (int col = 0; col < d.Width(); ++col) out[col] = Combine(out[col], in[col], op);
    }
}

void Blit(Surface& dest, int x, int y, const Surface& src, RasterOp op) {
    Blit(dest, x, y, src, src.Bounds(), op);
}

void StretchBlit(Surface& dest, const Rect& to, const Surface& src, const Rect& from) {
    if (&src == &dest) {
        const Surface copy = src;
        StretchInto(dest, to, copy, from, std::nullopt);
        return;
    }
    StretchInto(dest, to, src, from, std::nullopt);
}

void StretchBlitKeyed(Surface& dest, const Rect& to, const Surface& src, const Rect& from,
                      Colour key) {
    if (&src == &dest) {
        const Surface copy = src;
        StretchInto(dest, to, copy, from, key);
        return;
    }
    StretchInto(dest, to, src, from, key);
}

void BlitKeyed(Surface& dest, int x, int y, const Surface& src, Colour key) {
    StretchBlitKeyed(dest, Rect{x, y, x + src.Width(), y + src.Height()}, src, src.Bounds(), key);
}

}  // namespace raster
