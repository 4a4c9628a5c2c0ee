// Fuzzes the outline file reader: what it accepts lies on the board and writes back to the same
// outlines.
#include <vector>

#include "core/model/board_picture.h"
#include "fuzz/fuzz_support.h"
#include "render/outline_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const std::optional<render::OutlineSet> set = render::DecodeOutlineFile(bytes, nullptr);
    if (!set) return 0;
    for (const auto& row : set->rows)
        for (const raster::Point& p : row)
            fuzz::Require(p.x >= 0 && p.x < kBoardWidth && p.y >= 0 && p.y < kBoardHeight,
                          "outline points on the board");
    // Any negative count means no points, so the bytes may differ; the outlines may not.
    const auto again = render::EncodeOutlineFile(*set);
    fuzz::Require(again.has_value(), "an accepted file can be written");
    const auto back = render::DecodeOutlineFile(*again, nullptr);
    fuzz::Require(back && back->rows == set->rows, "an accepted file writes back to itself");
    return 0;
}
