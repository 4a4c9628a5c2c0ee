// Every picture of the game other than maps: its resource id, its folder and its drawing.
#include "tools/art/art.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/raster/bmp.h"
#include "tools/art/backgrounds.h"
#include "tools/art/dialog_icons.h"
#include "tools/art/player_icons.h"

namespace art {
namespace {

// The board sizes of the small, medium and large screens; the large one is a pixel wider
// than its board so that it also covers the large World picture.
struct BoardSize {
    int width, height;
};
constexpr BoardSize kSmall{741, 471}, kMedium{954, 632}, kLarge{1193, 790};

// Background 1 has a second large picture for screens of fewer than 24 bits per pixel.
constexpr int kNone = 0;
struct SeaPicture {
    int id;
    Sea sea;
    BoardSize size;
    int fewColoursId;
};
constexpr SeaPicture kSeas[] = {
    {341, Sea::kDeepBlue, kSmall, kNone},      {339, Sea::kDeepBlue, kMedium, kNone},
    {338, Sea::kDeepBlue, kLarge, 340},        {215, Sea::kGreenSwell, kSmall, kNone},
    {214, Sea::kGreenSwell, kMedium, kNone},   {274, Sea::kGreenSwell, kLarge, kNone},
    {365, Sea::kNightCurrents, kSmall, kNone}, {366, Sea::kNightCurrents, kMedium, kNone},
    {367, Sea::kNightCurrents, kLarge, kNone},
};

constexpr int kIconMask = 137;
struct PlayerIcon {
    int id, code;
};
constexpr PlayerIcon kPlayerIcons[] = {{131, 1}, {132, 2},  {133, 3},           {134, 4},
                                       {135, 5}, {249, 6},  {250, 7},           {251, 8},
                                       {252, 9}, {253, 10}, {138, kHiddenOwner}};

struct CardIcon {
    int id;
    CardKind kind;
};
constexpr CardIcon kCardIcons[] = {{140, CardKind::kCavalry},
                                   {141, CardKind::kInfantry},
                                   {142, CardKind::kWild},
                                   {143, CardKind::kArtillery}};

struct MissionIcon {
    int id;
    MissionPicture picture;
};
constexpr MissionIcon kMissionIcons[] = {{370, MissionPicture::kOrders},
                                         {371, MissionPicture::kCompleted}};

bool Write(const std::filesystem::path& path, const raster::Surface& surface) {
    const std::vector<std::uint8_t> bytes = raster::WriteBmp(surface);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::fprintf(stderr, "gen_art: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

}  // namespace

std::vector<Picture> DrawAll() {
    std::vector<Picture> all;
    for (const SeaPicture& s : kSeas) {
        all.push_back({Folder::kBitmaps, s.id, DrawSea(s.sea, s.size.width, s.size.height)});
        if (s.fewColoursId != kNone) {
            all.push_back({Folder::kBitmaps, s.fewColoursId, ReduceColours(all.back().surface)});
        }
    }
    all.push_back({Folder::kBitmaps, kIconMask, DrawPlayerIconMask()});
    for (const PlayerIcon& p : kPlayerIcons) {
        all.push_back({Folder::kBitmaps, p.id, DrawPlayerIcon(p.code)});
    }
    for (const CardIcon& c : kCardIcons) all.push_back({Folder::kIcons, c.id, DrawCard(c.kind)});
    for (const MissionIcon& m : kMissionIcons) {
        all.push_back({Folder::kIcons, m.id, DrawMission(m.picture)});
    }
    return all;
}

std::string RelativePath(Folder folder, int id) {
    return std::string(folder == Folder::kBitmaps ? "bitmaps/" : "icons/") + std::to_string(id) +
           ".bmp";
}

bool WriteAll(const std::string& res) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(res) / "bitmaps", ec);
    std::filesystem::create_directories(std::filesystem::path(res) / "icons", ec);
    bool ok = true;
    for (const Picture& p : DrawAll()) {
        ok &= Write(std::filesystem::path(res) / RelativePath(p.folder, p.id), p.surface);
    }
    return ok;
}

}  // namespace art
