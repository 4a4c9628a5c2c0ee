// Reading outline files: checked whole before anything reaches the outline tables.
#include "render/outline_file.h"

#include "render/render_state.h"

namespace render {
namespace {

std::int32_t ReadU16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::int32_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::int16_t ReadI16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(ReadU16(bytes, at)));
}

bool Fail(std::string* error, const std::string& why) {
    if (error != nullptr) *error = why;
    return false;
}

}  // namespace

std::size_t MaxOutlineFileSize() {
    return 2 + 2 * kMaxTerritories +
           static_cast<std::size_t>(kMaxTerritories) * (kMaxOutlineIndex + 1) * 4;
}

std::optional<OutlineFile> ParseOutlineFile(const std::vector<std::uint8_t>& bytes, int territories,
                                            std::string* error) {
    if (bytes.size() < 2) {
        Fail(error, "the file is shorter than its territory count");
        return std::nullopt;
    }
    const int n = ReadU16(bytes, 0);
    if (n > kMaxTerritories || n != territories) {
        Fail(error, "the file holds " + std::to_string(n) + " territories, the map " +
                        std::to_string(territories));
        return std::nullopt;
    }
    const std::size_t countsEnd = 2 + 2 * static_cast<std::size_t>(n);
    if (bytes.size() < countsEnd) {
        Fail(error, "the file ends inside its counts");
        return std::nullopt;
    }
    OutlineFile file;
    std::size_t expected = countsEnd;
    for (int t = 1; t <= n; ++t) {
        const std::int16_t count = ReadI16(bytes, 2 * static_cast<std::size_t>(t));
        if (count > kMaxOutlineIndex) {
            Fail(error, "territory " + std::to_string(t) + " has too many points");
            return std::nullopt;
        }
        file.counts.push_back(count);
        if (count >= 0) expected += 4 * (static_cast<std::size_t>(count) + 1);
    }
    if (bytes.size() != expected) {
        Fail(error, "the file is " + std::to_string(bytes.size()) + " bytes long, not " +
                        std::to_string(expected));
        return std::nullopt;
    }
    std::size_t at = countsEnd;
    file.points.resize(static_cast<std::size_t>(n));
    for (int t = 1; t <= n; ++t) {
        const std::int16_t count = file.counts[static_cast<std::size_t>(t - 1)];
        auto& row = file.points[static_cast<std::size_t>(t - 1)];
        for (int i = 0; i <= count; ++i, at += 4) {
            row.push_back(raster::Point{ReadI16(bytes, at), ReadI16(bytes, at + 2)});
        }
    }
    return file;
}

std::string OutlineFileName(const std::string& mapCode, int screenSize) {
    return "Mrvekmap" + mapCode + std::to_string(screenSize) + ".dat";
}

}  // namespace render
