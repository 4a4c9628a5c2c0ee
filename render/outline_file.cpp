// The outline-file codec: field by field, little-endian, checked whole before anything is used.
#include "render/outline_file.h"

#include "core/model/board_picture.h"
#include "render/render_state.h"

namespace render {
namespace {

using raster::Point;

void Put16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

int Get16(const std::vector<std::uint8_t>& in, std::size_t at) {
    return static_cast<std::int16_t>(in[at] | (in[at + 1] << 8));
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeOutlineFile(const OutlineSet& outlines) {
    const int n = outlines.rows.empty() ? 0 : static_cast<int>(outlines.rows.size()) - 1;
    if (n > kMaxTerritories) return std::nullopt;
    std::vector<std::uint8_t> out;
    Put16(out, n);
    for (int t = 1; t <= n; ++t) {
        const int last = static_cast<int>(outlines.rows[t].size()) - 1;
        if (last > kMaxOutlineIndex) return std::nullopt;
        Put16(out, last);
    }
    for (int t = 1; t <= n; ++t)
        for (const Point& p : outlines.rows[t]) {
            if (p.x < -32768 || p.x > 32767 || p.y < -32768 || p.y > 32767) return std::nullopt;
            Put16(out, p.x);
            Put16(out, p.y);
        }
    return out;
}

std::optional<OutlineSet> DecodeOutlineFile(const std::vector<std::uint8_t>& bytes,
                                            std::string* error, std::optional<int> territories) {
    auto fail = [&](const std::string& why) -> std::optional<OutlineSet> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (bytes.size() < 2) return fail("outline file shorter than its count");
    const int n = Get16(bytes, 0);
    if (n < 0 || n > kMaxTerritories) return fail("outline file holds too many territories");
    if (territories && n != *territories)
        return fail("outline file holds " + std::to_string(n) + " territories, the map " +
                    std::to_string(*territories));
    std::size_t at = 2;
    if (bytes.size() < at + 2u * static_cast<std::size_t>(n)) return fail("outline file cut short");
    std::vector<int> last(static_cast<std::size_t>(n) + 1, -1);
    std::size_t expected = at + 2u * static_cast<std::size_t>(n);
    for (int t = 1; t <= n; ++t, at += 2) {
        last[t] = Get16(bytes, at);
        if (last[t] > kMaxOutlineIndex) return fail("outline longer than 5001 points");
        if (last[t] >= 0) expected += 4u * (static_cast<std::size_t>(last[t]) + 1);
    }
    // The exact length is known before any point is read.
    if (bytes.size() < expected) return fail("outline file cut short");
    if (bytes.size() > expected) return fail("outline file longer than its outlines");
    OutlineSet set;
    set.rows.resize(static_cast<std::size_t>(n) + 1);
    for (int t = 1; t <= n; ++t)
        for (int i = 0; i <= last[t]; ++i, at += 4) {
            const Point p{Get16(bytes, at), Get16(bytes, at + 2)};
            // The fill of an outline spans its points: one far off the board costs seconds
            // and gigabytes for nothing anyone sees.
            if (p.x < 0 || p.x >= kBoardWidth || p.y < 0 || p.y >= kBoardHeight)
                return fail("outline point outside the board");
            set.rows[t].push_back(p);
        }
    return set;
}

std::size_t MaxOutlineFileSize() {
    return 2 + 2 * kMaxTerritories +
           static_cast<std::size_t>(kMaxTerritories) * (kMaxOutlineIndex + 1) * 4;
}

std::string OutlineFileName(const std::string& mapCode, int screenSize) {
    return "Mrvekmap" + mapCode + std::to_string(screenSize) + ".dat";
}

}  // namespace render
