// The Continents command's two bonus windows and the legend and marks they show.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/dialog.h"

namespace raster {
class GlyphSource;
}

// Maps of up to 14 continents.
class CValues2Dlg : public CDialog {
  public:
    static constexpr int kIdd = 346;
    static constexpr int kEntries = 14;

    explicit CValues2Dlg(raster::GlyphSource* glyphs);

    std::array<std::string, kEntries + 1> entries;  // [1..14]

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnPaint(raster::Surface& surface) override;

  private:
    raster::GlyphSource* glyphs_;
};

// Maps of 15 continents or more.
class CValuesDlg : public CDialog {
  public:
    static constexpr int kIdd = 257;
    static constexpr int kEntries = 26;

    explicit CValuesDlg(raster::GlyphSource* glyphs);

    std::array<std::string, kEntries + 1> entries;  // [1..26]

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnPaint(raster::Surface& surface) override;

  private:
    raster::GlyphSource* glyphs_;
};

namespace continents_overlay {

// The control ids of the entries 1..n, in order.
std::span<const int> Values2Ids();
std::span<const int> ValuesIds();

// The colour index of a continent on the board and in the small window: 1..10 over and over.
std::int32_t ColourIndex(std::int32_t continent);
// The colour of a continent's mark; `large` for the window of 15 continents or more.
std::uint32_t MarkColour(std::int32_t continent, bool large);

struct MarkAt {
    int x = 0;
    int y = 0;
};
// Where a continent's mark stands in its window; none (x 0) past the window's entries.
MarkAt MarkPosition(std::int32_t continent, bool large);

// The continent names of the built-in map in force, which its legend shows; empty for none.
std::span<const char* const> BuiltinLegend();
// A legend line: the continent's name, its padding less one blank, and the bonus.
std::string LegendLine(std::string_view name, std::int32_t bonus);

}  // namespace continents_overlay
