// The two bonus windows of the Continents command: templates, text exchange, start-up, and the
// coloured mark painted beside each continent's line.
#include <array>

#include "core/input/continents_overlay.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "platform/raster/text_draw.h"

namespace continents_overlay {

namespace {

constexpr std::array<int, CValues2Dlg::kEntries> kValues2Ids{
    1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060, 1061, 1062, 1063, 1064, 1065, 1066};
constexpr std::array<int, CValuesDlg::kEntries> kValuesIds{
    1006, 1007, 1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022,
    1023, 1035, 1037, 1039, 1041, 1043, 1045, 1036, 1038, 1040, 1042, 1044, 1046};
// The texts a small map leaves hidden in the large window.
constexpr int kFirstSecondHalfId = 1035;
constexpr int kLastSecondHalfId = 1046;

constexpr int kRepeatingColours = 10;
constexpr std::int32_t kFirstFixedColour = 11;
constexpr std::array<raster::Colour, 15> kFlatColours{
    0x2B5BCB, 0x008BAB, 0x2B2B6B, 0x4B8B6B, 0x2B476B, 0x5B4B2B, 0x4B4B0B, 0x4B4B6B,
    0x2B8B8B, 0x6B4B4B, 0x6B2B2B, 0x4BAB5B, 0x2B6B2B, 0x0B2B4B, 0x3B2B8B};
constexpr std::array<raster::Colour, 15> kGradientColours{
    0x613C30, 0x222271, 0x1C4C5F, 0x243609, 0x0000B6, 0x381F38, 0x2C346D, 0x004772,
    0x1F872A, 0x44523B, 0xC16500, 0x212F38, 0x006BB9, 0x1B4444, 0x3A3F70};

// Column and row of an entry's line: entries 1..7 left, 8..14 right, 15..20 left below, 21..26
// right below.
struct Cell {
    int column = 0;
    int row = 0;
};
Cell CellOf(int entry) {
    if (entry <= 7) return {0, entry};
    if (entry <= 14) return {1, entry - 7};
    if (entry <= 20) return {0, entry - 7};
    return {1, entry - 13};
}

// The lines stand beside the marks: 22 pixels a row, the dialog units of the 6 x 13 font.
DialogTemplate MakeTemplate(int id, const char* caption, std::span<const int> ids, int rows) {
    DialogTemplate t;
    t.id = id;
    t.caption = caption;
    t.width = 250;
    t.height = (22 * rows + 10) * 8 / 13 + 26;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const Cell cell = CellOf(static_cast<int>(i) + 1);
        const int y = (22 * cell.row - 3) * 8 / 13;
        t.controls.push_back(
            {ids[i], ControlKind::Static, " ", {cell.column ? 131 : 21, y, 105, 9}, 0});
    }
    t.controls.push_back({kIdOk,
                          ControlKind::Button,
                          "OK",
                          {100, t.height - 20, 50, 14},
                          ctl::kDefault | ctl::kTabStop});
    return t;
}

const DialogTemplate& Values2Template() {
    static const DialogTemplate t =
        MakeTemplate(CValues2Dlg::kIdd, "Continents / Regions   --  Bonus Armies", kValues2Ids, 7);
    return t;
}

const DialogTemplate& ValuesTemplate() {
    static const DialogTemplate t =
        MakeTemplate(CValuesDlg::kIdd, "Continents / Regions   --   Bonus Armies", kValuesIds, 13);
    return t;
}

template <std::size_t N>
void Exchange(CDialog& dialog, std::array<std::string, N + 1>& entries,
              const std::array<int, N>& ids, bool save) {
    for (std::size_t i = 0; i < N; ++i) {
        if (save) {
            entries[i + 1] = dialog.GetText(ids[i]);
        } else {
            dialog.SetText(ids[i], entries[i + 1]);
        }
    }
}

// One "o" per continent in its colour, on a transparent background.
void PaintMarks(raster::Surface& surface, raster::GlyphSource* glyphs, bool large) {
    if (glyphs == nullptr) return;
    const std::int32_t last = std::min(g_continentCount, large ? kMaxContinents : 14);
    for (std::int32_t c = 1; c <= last; ++c) {
        const MarkAt at = MarkPosition(c, large);
        raster::DrawText(surface, at.x, at.y, "o", g_fontSansSerif8, MarkColour(c, large), *glyphs);
    }
}

}  // namespace

std::span<const int> Values2Ids() {
    return kValues2Ids;
}
std::span<const int> ValuesIds() {
    return kValuesIds;
}

std::int32_t ColourIndex(std::int32_t continent) {
    return (continent - 1) % kRepeatingColours + 1;
}

std::uint32_t MarkColour(std::int32_t continent, bool large) {
    if (large && continent >= kFirstFixedColour && continent <= kMaxContinents) {
        const auto k = static_cast<std::size_t>(continent - kFirstFixedColour);
        return g_isGradientPaint ? kGradientColours[k] : kFlatColours[k];
    }
    return PlayerColour(ColourIndex(continent));
}

MarkAt MarkPosition(std::int32_t continent, bool large) {
    if (continent < 1 || continent > (large ? kMaxContinents : CValues2Dlg::kEntries)) return {};
    const Cell cell = CellOf(continent);
    const int x = cell.column == 0 ? (g_isLargeFonts ? 23 : 20) : (g_isLargeFonts ? 218 : 185);
    const int step = g_isLargeFonts ? 27 : 22;
    return {x, step * cell.row - (large ? 0 : 3)};
}

}  // namespace continents_overlay

using continents_overlay::kValues2Ids;
using continents_overlay::kValuesIds;

CValues2Dlg::CValues2Dlg(raster::GlyphSource* glyphs)
    : CDialog(continents_overlay::Values2Template()), glyphs_(glyphs) {}

bool CValues2Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetOpacity(g_transparencyPercent);
    return true;
}

bool CValues2Dlg::DoDataExchange(bool save) {
    continents_overlay::Exchange(*this, entries, kValues2Ids, save);
    return true;
}

void CValues2Dlg::OnPaint(raster::Surface& surface) {
    continents_overlay::PaintMarks(surface, glyphs_, false);
}

CValuesDlg::CValuesDlg(raster::GlyphSource* glyphs)
    : CDialog(continents_overlay::ValuesTemplate()), glyphs_(glyphs) {}

bool CValuesDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (g_continentCount < 15) {
        for (int id = continents_overlay::kFirstSecondHalfId;
             id <= continents_overlay::kLastSecondHalfId; ++id)
            Show(id, false);
    }
    SetOpacity(g_transparencyPercent);
    return true;
}

bool CValuesDlg::DoDataExchange(bool save) {
    continents_overlay::Exchange(*this, entries, kValuesIds, save);
    return true;
}

void CValuesDlg::OnPaint(raster::Surface& surface) {
    continents_overlay::PaintMarks(surface, glyphs_, true);
}
