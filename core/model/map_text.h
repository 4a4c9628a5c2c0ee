// Map texts: the line buffer, the reader of their fields and the parser that fills the board
// tables from them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/route_table.h"

// The lines of the map or campaign text being loaded, in file order, without line ends.
using MapTextBuffer = std::vector<std::string>;
extern MapTextBuffer g_mapTextBuffer;
// Empties the buffer, as at program start.
void ResetMapTextState();

// Appends the lines of a text file's content; LF and CR LF both end a line, and a NUL byte ends
// the text.
void AppendMapTextLines(std::string_view content);

// Reads the blank-separated fields of one line the way scanf's "%d" and "%Ns" do: each
// conversion skips leading blanks, and once one fails every later one fails as well.
class TextFieldReader {
  public:
    explicit TextFieldReader(std::string_view line) : line_(line) {}

    // A signed decimal number; values beyond 32 bits saturate.
    bool Int(std::int32_t& value);
    // One word of at most `width` characters; the rest of a longer word stays for the next
    // conversion.
    bool Word(std::size_t width, std::string& word);

  private:
    void SkipBlanks();
    std::string_view line_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

// A header line begins with the header's exact characters; anything may follow them.
bool IsHeaderLine(std::string_view line, std::string_view header);

// A one-word name of a text: the word padded with blanks to 14 characters, or "noname".
std::string PaddedTextName(std::string_view line);

// Results of the map text parser, in the order it decides them.
namespace map_text_result {
inline constexpr std::int32_t kAccepted = 0;
inline constexpr std::int32_t kNoContinents = 1;
inline constexpr std::int32_t kNoTerritories = 2;
inline constexpr std::int32_t kContinentWithoutBorder = 4;
inline constexpr std::int32_t kTerritoryWithoutNeighbours = 5;
inline constexpr std::int32_t kAboveNetworkLimits = 6;
inline constexpr std::int32_t kTooManyContinents = 7;
inline constexpr std::int32_t kTooManyTerritories = 8;
inline constexpr std::int32_t kMemberOutOfRange = 9;
inline constexpr std::int32_t kNeighbourOutOfRange = 10;
inline constexpr std::int32_t kTooManyBorderTerritories = 11;
inline constexpr std::int32_t kTooManyMembers = 12;
inline constexpr std::int32_t kTerritoryWithoutLabelPoint = 13;
inline constexpr std::int32_t kLabelPointOffBoard = 14;
}  // namespace map_text_result

// What a network game can carry: its board-state text holds 117 territories and 15 continents.
inline constexpr std::int32_t kNetworkMaxContinents = 14;
inline constexpr std::int32_t kNetworkMaxTerritories = 116;

inline constexpr char kMapFileErrorCaption[] = "Map File Error";

// The message the map loader shows for a result above 0; empty for 0 or an unknown result.
std::string MapTextResultMessage(std::int32_t result);

// Parses g_mapTextBuffer into the board tables and answers the result.
std::int32_t ParseMapTextBuffer();

// Everything ParseMapTextBuffer writes, kept so that a load that stops puts the map back.
struct MapTextTables {
    std::array<std::string, kMaxContinents + 1> continentNames;
    std::array<ContinentRecord, kMaxContinents + 1> continents;
    std::array<ContinentBorderList, kMaxContinents + 1> continentBorders;
    std::array<NeighbourList, kMaxTerritories + 1> neighbours;
    std::array<LabelPosition, kMaxTerritories + 1> labelPositions;
    std::array<std::string, kMaxTerritories + 1> territoryCodes;
    std::array<RouteRecord, kRouteTableRecords> routes;
    std::string mapName;
    std::int32_t panelX = 0, panelY = 0;
    bool hasSmilies = false;
    std::int32_t continentCount = 0, territoryCount = 0;
    std::int32_t maxContinentSize = 0, maxContinentBorder = 0, borderTerritoryTotal = 0;
    std::int32_t routeCount = 0, auxCount = 0;
};
// On the heap: the route table alone is most of a megabyte.
std::unique_ptr<MapTextTables> SaveMapTextTables();
void RestoreMapTextTables(const MapTextTables& saved);

// The first continent whose members include the territory, or 0.
std::int32_t ContinentOfTerritory(std::int32_t territory);
