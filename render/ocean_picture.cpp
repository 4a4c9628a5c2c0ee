// The Picture command: the user's own picture becomes the oceans, stored as "oceans.bmp".
#include <algorithm>
#include <optional>
#include <string>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/file_dialogs.h"
#include "platform/image_decoder.h"
#include "platform/raster/blit.h"
#include "platform/raster/bmp.h"
#include "platform/window_services.h"
#include "render/pictures.h"

namespace {

constexpr char kFilter[] =
    "All Picture Files|*.JPG;*.JPEG;*.GIF;*.BMP;*.PNG|JPEG (*.JPG;*.JPEG)|*.JPG;*.JPEG|GIF "
    "(*.GIF)|*.GIF|Bitmap Files (*.BMP)|*.BMP|PNG (*.PNG)|*.PNG|";
constexpr char kPatterns[] = "*.jpg;*.jpeg;*.gif;*.bmp;*.png";
constexpr char kInvalidPicture[] = "File not found or invalid format";
constexpr char kNotSaved[] = "The picture could not be saved.";
constexpr char kCaption[] = "Marovek";
constexpr char kOceanPictureName[] = "oceans.bmp";

// The folder the dialog starts in: the user's pictures, which the system files keep among the
// documents.
std::string PicturesFolder(platform::Files& files) {
    const std::optional<std::string> documents = files.DocumentsFolder();
    if (!documents) return {};
    files.CreateFolder(*documents);
    return *documents;
}

// The part of a picture the board can show: what lies beyond the oceans of the largest board is
// cut off, so that the stored file stays small enough to be read back.
raster::Surface CutToTheBoard(raster::Surface picture) {
    if (picture.Width() <= kOceanWidth && picture.Height() <= kOceanHeight) return picture;
    raster::Surface cut(std::min(picture.Width(), kOceanWidth),
                        std::min(picture.Height(), kOceanHeight));
    raster::Blit(cut, 0, 0, picture);
    return cut;
}

}  // namespace

void CChildView::OnOceansPicture() {
    const std::string folder = PicturesFolder(platform_.files);
    SetOneCharacterText(g_statusText, ' ');
    const std::optional<std::string> chosen =
        platform_.fileDialogs.OpenFile(kFilter, platform::JoinPath(folder, kPatterns));
    if (!chosen) return;

    std::optional<raster::Surface> picture;
    if (const std::optional<platform::Bytes> bytes =
            platform_.files.Read(*chosen, render::kMaxPictureFileBytes)) {
        picture = platform_.imageDecoder.Decode(*bytes, nullptr);
    }
    if (!picture || picture->Empty()) {
        platform_.window.MessageBox(kInvalidPicture, kCaption, platform::MessageButtons::Ok,
                                    platform::MessageIcon::None);
        return;
    }
    // The picture goes in by temporary file and rename: a failed write leaves the old one.
    const std::string target = platform::JoinPath(g_userFilesFolder, kOceanPictureName);
    if (g_userFilesFolder.empty() ||
        !platform_.files.WriteAtomic(target, raster::WriteBmp(CutToTheBoard(*picture)))) {
        platform_.window.MessageBox(kNotSaved, kCaption, platform::MessageButtons::Ok,
                                    platform::MessageIcon::None);
        return;
    }
    g_oceansBackground = 3;
    SetOneCharacterText(g_freshMapMarker, '0');
    platform_.window.Invalidate();
    if (IsGameUnderWay()) QueueNextPlayerEvent();
    SaveSettings();
}

void CChildView::OnUpdateOceansPicture(CmdUI& ui) {
    ui.enabled = true;
    ui.checked = g_oceansBackground == 3;
}
