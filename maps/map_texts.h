// The map texts built into the program: headers, served file names and appending.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

class CChildView;

struct BuiltinMapText {
    std::string_view fileName;  // empty: answers to no file name (Swamp II)
    bool (CChildView::*append)();
    std::string_view name;     // the "[map]" line
    std::string_view panel;    // the "[player names]" line
    std::string_view smilies;  // the "[smilies and codes]" line
    std::int32_t territories;
    std::int32_t continents;
    std::int32_t extraBlankLines;  // blank lines beyond the one before "[territories]"
};

// The continent and territory lines of one text, in order.
struct MapTextContent {
    std::span<const char* const> continentLines;
    std::span<const char* const> territoryLines;
};

// Every built-in text, in the order the loader compares their file names; Swamp II last.
std::span<const BuiltinMapText> BuiltinMapTexts();
// The text that answers to exactly this file name (case-sensitive), or nullptr.
const BuiltinMapText* BuiltinMapTextByFileName(std::string_view fileName);
// The text whose "[map]" line is `name`, or nullptr.
const BuiltinMapText* BuiltinMapTextByName(std::string_view name);
// How many lines the text appends, its blank lines included.
std::int32_t MapTextLineCount(const BuiltinMapText& text);

// ParisByNight's lines, the one text given in full.
const MapTextContent& ParisByNightContent();
// The lines of the other texts, made by the map generator; empty until then.
const MapTextContent& GeneratedMapTextContent(const BuiltinMapText& text);
// The lines of the imagined map texts drawn by gen_text_maps; nullptr for any other text.
const MapTextContent* TextMapContent(std::string_view name);
// True when the text's lines are all there.
bool IsMapTextComplete(const BuiltinMapText& text);

namespace maps {
// Appends the text's lines to g_mapTextBuffer; appends nothing and answers false when its
// lines are missing.
bool AppendBuiltinMapText(const BuiltinMapText& text);
}  // namespace maps
