// Tracing every territory of a picture with the board's tracer.
#include "tools/mapgen/trace_check.h"

#include <memory>

#include "render/outline_tracer.h"
#include "render/render_state.h"

namespace mapgen {
namespace {

constexpr int kGoodOutline = 100;

int Scaled(int value, int size) {
    return size == 1 ? value * 70 / 100 : size == 3 ? value * 125 / 100 : value;
}

struct Tables {
    std::array<std::int16_t, kTraceTableSize> x{}, y{};
    std::array<std::int32_t, kTraceTableSize> outerX{}, outerY{};
};

}  // namespace

std::vector<int> TracedLengths(const raster::Surface& picture, const CodeMapContent& content,
                               int size, bool mapFile) {
    auto tables = std::make_unique<Tables>();
    std::vector<int> lengths(content.territories.size() + 1, 0);
    std::vector<raster::Point> firsts(lengths.size());
    for (std::size_t t = 1; t < lengths.size(); ++t) {
        const TerritoryContent& tc = content.territories[t - 1];
        const raster::Point origin{Scaled(tc.x, size) + 1, Scaled(tc.y, size) + 1};
        lengths[t] = render::TraceOutline(
            picture, mapFile, origin,
            render::TraceTables{tables->x, tables->y, tables->outerX, tables->outerY});
        firsts[t] = raster::Point{tables->x[1], tables->y[1]};
        // The board takes an outline equal in length and start to the one before as a failure.
        if (t >= 2 && lengths[t] >= 1 && lengths[t] == lengths[t - 1] && firsts[t] == firsts[t - 1])
            lengths[t] = 0;
    }
    return lengths;
}

std::vector<std::string> TraceShortfalls(const raster::Surface& picture,
                                         const CodeMapContent& content, int size, bool mapFile) {
    std::vector<std::string> errors;
    const std::vector<int> lengths = TracedLengths(picture, content, size, mapFile);
    for (std::size_t t = 1; t < lengths.size(); ++t)
        if (lengths[t] < kGoodOutline)
            errors.push_back("territory " + std::to_string(t) + " traces to " +
                             std::to_string(lengths[t]) + " points");
    return errors;
}

}  // namespace mapgen
