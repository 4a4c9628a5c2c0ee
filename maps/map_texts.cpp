// The table of the built-in map texts and the appending of their lines.
#include "maps/map_texts.h"
#include "core/model/map_catalogue.h"

#include "core/child_view.h"
#include "core/model/map_text.h"
#include "maps/place_texts.h"

namespace {

using V = CChildView;

// clang-format off
const BuiltinMapText kTexts[] = {
    {"MiddleEarth.txt", &V::AddBuiltinMapTextMiddleEarth, "MiddleEarth", "54 427", "N", 64, 9, 0},
    {"USA.txt", &V::AddBuiltinMapTextUSA, "USA", "820 260", "N", 46, 8, 0},
    {"Europe2.txt", &V::AddBuiltinMapTextEurope2, "Europe2", "780 100", "Y", 46, 8, 0},
    {"africa.txt", &V::AddBuiltinMapTextAfrica, "africa", "750 150", "Y", 35, 5, 0},
    {"AloneInACrowd.txt", &V::AddBuiltinMapTextAloneInACrowd, "AloneInACrowd", "2 2", "N", 112, 6, 1},
    {"Atlantis2.txt", &V::AddBuiltinMapTextAtlantis2, "Atlantis2", "777 328", "N", 58, 14, 0},
    {"Atlantis.txt", &V::AddBuiltinMapTextAtlantis, "Atlantis", "777 328", "N", 58, 14, 0},
    {"Doom.txt", &V::AddBuiltinMapTextDoom, "Doom", "800 35", "Y", 21, 5, 0},
    {"DragonWarrior.txt", &V::AddBuiltinMapTextDragonWarrior, "DragonWarrior", "636 373", "N", 101, 11, 0},
    {"e2.txt", &V::AddBuiltinMapTextE2, "e2", "700 100", "N", 115, 14, 0},
    {"Hex_gone_crazy.txt", &V::AddBuiltinMapTextHexGoneCrazy, "Hex_gone_crazy", "852 90", "Y", 100, 12, 0},
    {"Ireland.txt", &V::AddBuiltinMapTextIreland, "Ireland", "2 2", "Y", 32, 5, 0},
    {"Lines.txt", &V::AddBuiltinMapTextLines, "Lines", "830 40", "N", 80, 13, 0},
    {"Neighbourhood.txt", &V::AddBuiltinMapTextNeighbourhood, "Neighbourhood", "2 2", "N", 101, 5, 0},
    {"OK83.txt", &V::AddBuiltinMapTextOK83, "OK83", "600 100", "Y", 83, 10, 0},
    {"Rings.txt", &V::AddBuiltinMapTextRings, "Rings", "850 27", "Y", 98, 14, 0},
    {"Romania.txt", &V::AddBuiltinMapTextRomania, "Romania", "792 41", "Y", 41, 7, 0},
    {"coconutz.txt", &V::AddBuiltinMapTextCoconutz, "coconutz", "15 18", "Y", 93, 10, 0},
    {"JustNeedTwo.txt", &V::AddBuiltinMapTextJustNeedTwo, "JustNeedTwo", "745 150", "N", 87, 9, 0},
    {"Russia.txt", &V::AddBuiltinMapTextRussia, "Russia", "10 10", "N", 65, 7, 0},
    {"WorldII.txt", &V::AddBuiltinMapTextWorldII, "WorldII", "600 360", "N", 57, 8, 0},
    {"ParisByNight.txt", &V::AddBuiltinMapTextParisByNight, "ParisByNight", "780 100", "N", 21, 3, 0},
    {"France.txt", &V::AddBuiltinMapTextFrance, "France", "790 50", "N", 88, 21, 0},
    {"107.txt", &V::AddBuiltinMapText107, "107", "325 405", "N", 107, 18, 0},
    {"", &V::AddBuiltinMapTextSwampII, "SwampII", "800 10", "N", 200, 25, 0},
};
// clang-format on

// The fixed lines of every text: "[map]" .. "[continents]" around the three header values, and
// the blank line and header before the territory lines.
constexpr int kFixedLines = 12;

const MapTextContent& ContentOf(const BuiltinMapText& text) {
    if (text.name == "ParisByNight") return ParisByNightContent();
    if (const MapTextContent* drawn = TextMapContent(text.name)) return *drawn;
    if (const MapTextContent* place = PlaceTextContent(text.name)) return *place;
    return GeneratedMapTextContent(text);
}

void Append(std::string_view line) {
    g_mapTextBuffer.emplace_back(line);
}

bool AppendText(std::string_view name) {
    const BuiltinMapText* text = BuiltinMapTextByName(name);
    return text != nullptr && maps::AppendBuiltinMapText(*text);
}

}  // namespace

std::span<const BuiltinMapText> BuiltinMapTexts() {
    return kTexts;
}

const BuiltinMapText* BuiltinMapTextByFileName(std::string_view fileName) {
    if (fileName.empty()) return nullptr;
    for (const BuiltinMapText& text : kTexts)
        if (text.fileName == fileName) return &text;
    return nullptr;
}

const BuiltinMapText* BuiltinMapTextByName(std::string_view name) {
    for (const BuiltinMapText& text : kTexts)
        if (text.name == name) return &text;
    return nullptr;
}

std::int32_t MapTextLineCount(const BuiltinMapText& text) {
    return kFixedLines + text.continents + text.territories + text.extraBlankLines;
}

bool IsMapTextComplete(const BuiltinMapText& text) {
    const MapTextContent& content = ContentOf(text);
    return static_cast<std::int32_t>(content.continentLines.size()) == text.continents &&
           static_cast<std::int32_t>(content.territoryLines.size()) == text.territories;
}

namespace maps {

bool AppendBuiltinMapText(const BuiltinMapText& text) {
    if (!IsMapTextComplete(text)) return false;
    const MapTextContent& content = ContentOf(text);
    for (std::string_view line :
         {std::string_view("[map]"), text.name, std::string_view(),
          std::string_view("[player names]"), text.panel, std::string_view(),
          std::string_view("[smilies and codes]"), text.smilies, std::string_view(),
          std::string_view("[continents]")})
        Append(line);
    for (const char* line : content.continentLines) Append(line);
    for (int blank = 0; blank <= text.extraBlankLines; ++blank) Append("");
    Append("[territories]");
    for (const char* line : content.territoryLines) Append(line);
    return true;
}

bool AppendServedMapText(std::string_view fileName) {
    const BuiltinMapText* text = BuiltinMapTextByFileName(fileName);
    return text != nullptr && AppendBuiltinMapText(*text);
}

}  // namespace maps

bool CChildView::AddBuiltinMapTextUSA() {
    return AppendText("USA");
}
bool CChildView::AddBuiltinMapTextEurope2() {
    return AppendText("Europe2");
}
bool CChildView::AddBuiltinMapTextMiddleEarth() {
    return AppendText("MiddleEarth");
}
bool CChildView::AddBuiltinMapTextAfrica() {
    return AppendText("africa");
}
bool CChildView::AddBuiltinMapTextAloneInACrowd() {
    return AppendText("AloneInACrowd");
}
bool CChildView::AddBuiltinMapTextAtlantis2() {
    return AppendText("Atlantis2");
}
bool CChildView::AddBuiltinMapTextAtlantis() {
    return AppendText("Atlantis");
}
bool CChildView::AddBuiltinMapTextDoom() {
    return AppendText("Doom");
}
bool CChildView::AddBuiltinMapTextDragonWarrior() {
    return AppendText("DragonWarrior");
}
bool CChildView::AddBuiltinMapTextE2() {
    return AppendText("e2");
}
bool CChildView::AddBuiltinMapTextHexGoneCrazy() {
    return AppendText("Hex_gone_crazy");
}
bool CChildView::AddBuiltinMapTextIreland() {
    return AppendText("Ireland");
}
bool CChildView::AddBuiltinMapTextLines() {
    return AppendText("Lines");
}
bool CChildView::AddBuiltinMapTextNeighbourhood() {
    return AppendText("Neighbourhood");
}
bool CChildView::AddBuiltinMapTextOK83() {
    return AppendText("OK83");
}
bool CChildView::AddBuiltinMapTextRings() {
    return AppendText("Rings");
}
bool CChildView::AddBuiltinMapTextRomania() {
    return AppendText("Romania");
}
bool CChildView::AddBuiltinMapTextCoconutz() {
    return AppendText("coconutz");
}
bool CChildView::AddBuiltinMapTextSwampII() {
    return AppendText("SwampII");
}
bool CChildView::AddBuiltinMapTextJustNeedTwo() {
    return AppendText("JustNeedTwo");
}
bool CChildView::AddBuiltinMapTextRussia() {
    return AppendText("Russia");
}
bool CChildView::AddBuiltinMapTextWorldII() {
    return AppendText("WorldII");
}
bool CChildView::AddBuiltinMapTextParisByNight() {
    return AppendText("ParisByNight");
}
bool CChildView::AddBuiltinMapTextFrance() {
    return AppendText("France");
}
bool CChildView::AddBuiltinMapText107() {
    return AppendText("107");
}
