// The last steps of every map of real places at one screen size, and writing their files.
#include "tools/places/finish.h"

#include <fstream>

#include "platform/raster/bmp.h"

namespace places {
namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

Finished FinishBoard(Board& board, const Layout& layout, const maps::PictureRules& rules,
                     std::vector<std::string>& errors, std::vector<std::string>& warnings) {
    const raster::Colour border = raster::Rgb(layout.border, layout.border, layout.border);
    WidenLaneEnds(board, layout, border);
    DropUnclaimedPieces(board, rules, border, warnings);
    Finished done{Render(board, border), {}};
    CloseCorners(done.picture, border);
    DrawLanes(done.picture, board, layout, rules.laneColour, errors);
    done.outlines = TraceOutlines(done.picture, rules);
    FillEnclosedSea(done.picture, done.outlines, border);
    const std::string prefix = "size " + std::to_string(rules.size) + ": ";
    for (const auto& e : maps::ValidatePicture(done.picture, rules)) errors.push_back(prefix + e);
    for (const auto& e : maps::ValidateOutlines(done.picture, done.outlines, rules))
        errors.push_back(prefix + e);
    return done;
}

bool WriteMapFiles(const std::filesystem::path& res, int bitmapId, const std::string& code,
                   int size, const Finished& finished, std::string* error) {
    const auto file = maps::EncodeOutlineFile(finished.outlines);
    if (!file) {
        *error = "an outline does not fit the outline file";
        return false;
    }
    if (!WriteFile(res / "bitmaps" / (std::to_string(bitmapId) + ".bmp"),
                   raster::WriteBmp(finished.picture)) ||
        !WriteFile(res / "maps" / ("Mrvekmap" + code + std::to_string(size) + ".dat"), *file)) {
        *error = "cannot write into " + res.string();
        return false;
    }
    return true;
}

}  // namespace places
