// A temporary program folder holding the About box's two pictures, for both hosts' tests.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/raster/bmp.h"
#include "platform/raster/surface.h"
#include "platform/resources.h"

namespace about_fixture {

inline constexpr raster::Colour kIconColour = raster::Rgb(200, 30, 40);
inline constexpr raster::Colour kStripColour = raster::Rgb(10, 120, 200);
inline constexpr raster::Colour kBeyondStrip = raster::Rgb(0, 255, 0);

class ProgramFolder {
  public:
    ProgramFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "marovek-about-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ProgramFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::string& Path() const { return path_; }

    void Write(const std::string& file, const std::vector<std::uint8_t>& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    // A 32x32 icon (drawn stretched to 64x64) and a separator picture larger than the strip
    // that is copied from it, so that a copy of too much shows.
    void WritePictures() const {
        Write(platform::IconPath(path_, 128),
              raster::WriteBmp(raster::Surface(32, 32, kIconColour)));
        raster::Surface separator(300, 4, kBeyondStrip);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 264; ++x) separator.SetPixel(x, y, kStripColour);
        }
        Write(platform::BitmapPath(path_, 261), raster::WriteBmp(separator));
    }

  private:
    std::string path_;
};

}  // namespace about_fixture
