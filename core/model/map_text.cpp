// The map text parser: sections, field conversions, table limits and the derived border lists.
#include "core/model/map_text.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/route_table.h"
#include "core/model/session_state.h"

MapTextBuffer g_mapTextBuffer;

void ResetMapTextState() {
    g_mapTextBuffer.clear();
}

void AppendMapTextLines(std::string_view content) {
    // Names and codes are C strings to the rest of the game: nothing after a NUL can be shown.
    content = content.substr(0, content.find('\0'));
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        g_mapTextBuffer.emplace_back(line);
        if (end == std::string_view::npos) break;
        content.remove_prefix(end + 1);
    }
}

namespace {

// The C locale's white space; Latin-1 letters above 0x7F belong to words.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

void TextFieldReader::SkipBlanks() {
    while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
}

bool TextFieldReader::Int(std::int32_t& value) {
    if (failed_) return false;
    SkipBlanks();
    std::size_t at = pos_;
    const bool negative = at < line_.size() && line_[at] == '-';
    if (at < line_.size() && (line_[at] == '-' || line_[at] == '+')) ++at;
    if (at >= line_.size() || !IsDigit(line_[at])) {
        failed_ = true;
        return false;
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (; at < line_.size() && IsDigit(line_[at]); ++at)
        magnitude = std::min(kLimit + 1, magnitude * 10 + (line_[at] - '0'));
    pos_ = at;
    value = static_cast<std::int32_t>(negative ? -magnitude : std::min(magnitude, kLimit));
    return true;
}

bool TextFieldReader::Word(std::size_t width, std::string& word) {
    if (failed_) return false;
    SkipBlanks();
    const std::size_t start = pos_;
    while (pos_ < line_.size() && pos_ - start < width && !IsBlank(line_[pos_])) ++pos_;
    if (pos_ == start) {
        failed_ = true;
        return false;
    }
    word.assign(line_.substr(start, pos_ - start));
    return true;
}

bool IsHeaderLine(std::string_view line, std::string_view header) {
    return line.substr(0, header.size()) == header;
}

std::string PaddedTextName(std::string_view line) {
    std::string word;
    if (!TextFieldReader(line).Word(13, word)) return "noname";
    return (word + std::string(15, ' ')).substr(0, 14);
}

std::string MapTextResultMessage(std::int32_t result) {
    using namespace map_text_result;
    switch (result) {
        case kNoContinents:
            return "[continents]";
        case kNoTerritories:
            return "[territories]";
        case kContinentWithoutBorder:
            return "Continent(s) without border countries ";
        case kTerritoryWithoutNeighbours:
            return "Territories(s) without border countries ";
        case kAboveNetworkLimits:
            return "Multiplayer game: 14 continents or 116 territories limits exceeded";
        case kTooManyContinents:
            return "Map too large: more than 25 continents";
        case kTooManyTerritories:
            return "Map too large: more than 200 territories";
        case kMemberOutOfRange:
            return "Continent member(s) above the number of territories of the map";
        case kNeighbourOutOfRange:
            return "Neighbour(s) above the number of territories of the map";
        case kTooManyBorderTerritories:
            return "Continent(s) with more than 12 border countries";
        case kTooManyMembers:
            return "Continent(s) with more than 20 territories";
        case kTerritoryWithoutLabelPoint:
            return "Territory line(s) without x and y";
        case kLabelPointOffBoard:
            return "Territory line(s) with x and y outside the board";
        default:
            return {};
    }
}

std::int32_t ContinentOfTerritory(std::int32_t territory) {
    const std::int32_t continents = std::clamp(g_continentCount, 0, kMaxContinents);
    for (std::int32_t c = 1; c <= continents; ++c) {
        const ContinentRecord& record = g_continents[c];
        // Slot [1] is looked at even in an empty continent.
        const std::int32_t members =
            std::clamp(record[kContinentMemberCount], 1, kMaxContinentMembers);
        for (std::int32_t k = 1; k <= members; ++k)
            if (record[k] == territory) return c;
    }
    return 0;
}

namespace {

enum class Section { kNone, kMap, kPlayerNames, kSmilies, kContinents, kTerritories };

struct Header {
    std::string_view text;
    Section section;
};

constexpr std::array<Header, 5> kHeaders{{
    {"[map]", Section::kMap},
    {"[player names]", Section::kPlayerNames},
    {"[smilies and codes]", Section::kSmilies},
    {"[continents]", Section::kContinents},
    {"[territories]", Section::kTerritories},
}};

constexpr std::int32_t kDefaultPanelPosition = 10;

struct ParseState {
    Section active = Section::kNone;
    std::int32_t continents = 0;   // continent lines seen, stored or not
    std::int32_t territories = 0;  // territory lines seen, stored or not
    bool territoryWithoutNeighbours = false;
    bool territoryWithoutLabelPoint = false;
    bool labelPointOffBoard = false;
    bool continentWithTooManyMembers = false;
};

Section HeaderOf(std::string_view line) {
    for (const Header& header : kHeaders)
        if (IsHeaderLine(line, header.text)) return header.section;
    return Section::kNone;
}

void ClearMapTables() {
    for (int c = 1; c <= kMaxContinents; ++c) {
        g_continentNames[c].clear();
        std::fill(g_continents[c].begin() + 1, g_continents[c].end(), 0);
        std::fill(g_continentBorders[c].begin() + 1, g_continentBorders[c].end(), 0);
    }
    for (int t = 1; t <= kMaxTerritories; ++t)
        std::fill(g_neighbours[t].begin() + 1, g_neighbours[t].end(), 0);
    ClearRouteTable();
}

void ReadPanelPosition(std::string_view line) {
    TextFieldReader fields(line);
    std::int32_t x = 0;
    std::int32_t y = 0;
    // A position is both numbers; a line with fewer puts the panel at its default place. The
    // panel is drawn and scaled from here: it stays on the board.
    const bool complete = fields.Int(x) && fields.Int(y);
    g_playerPanelX = complete ? std::clamp(x, 0, kBoardWidth - 1) : kDefaultPanelPosition;
    g_playerPanelY = complete ? std::clamp(y, 0, kBoardHeight - 1) : kDefaultPanelPosition;
}

void ReadSmilies(std::string_view line) {
    std::string mark;
    g_customMapHasSmilies = TextFieldReader(line).Word(1, mark) && mark == "Y";
}

std::int32_t Times10(std::int32_t value) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(std::clamp(std::int64_t{value} * 10, kMin, kMax));
}

// Appends `number` to a list packed from entry 1 when it names a territory; 0 and below are
// skipped so that the count and the entries always agree. Answers false when the list is full.
template <typename Row>
bool AppendPositive(Row& row, int capacity, int& count, std::int32_t number) {
    if (number <= 0) return true;
    if (count == capacity) return false;
    row[++count] = number;
    return true;
}

// Bonus, name (one word of at most 20 characters) and every member number on the line; more
// than 20 members are refused. Lines beyond the table are counted only.
void ReadContinent(std::string_view line, ParseState& state) {
    TextFieldReader fields(line);
    std::int32_t bonus = 0;
    if (!fields.Int(bonus)) return;
    std::string name;
    fields.Word(20, name);
    ContinentRecord members{};
    int count = 0;
    for (std::int32_t number = 0; fields.Int(number);) {
        if (!AppendPositive(members, kMaxContinentMembers, count, number))
            state.continentWithTooManyMembers = true;
    }

    if (++state.continents > kMaxContinents) return;
    ContinentRecord& record = g_continents[state.continents];
    std::copy(members.begin() + 1, members.begin() + 1 + kMaxContinentMembers, record.begin() + 1);
    record[kContinentMemberCount] = count;
    record[kContinentBonus] = bonus;
    record[kContinentBonusTimes10] = Times10(bonus);
    g_continentNames[state.continents] = name;
}

// Number (not used), code (at most 3 characters), label point and up to 11 neighbour numbers;
// a line without its label point is refused.
void ReadTerritory(std::string_view line, ParseState& state) {
    TextFieldReader fields(line);
    std::int32_t unused = 0;
    if (!fields.Int(unused)) return;
    std::string code = " ";  // the code of a territory that has none
    fields.Word(3, code);
    LabelPosition label;
    if (!fields.Int(label.x) || !fields.Int(label.y))
        state.territoryWithoutLabelPoint = true;
    else if (label.x < 0 || label.x >= kBoardWidth || label.y < 0 || label.y >= kBoardHeight)
        // Every painter, tracer and hit test scales this point: it must lie on the board.
        state.labelPointOffBoard = true;
    const std::int32_t self = state.territories + 1;
    NeighbourList neighbours{};
    int count = 0;
    for (int k = 1; k <= kMaxNeighbours; ++k) {
        std::int32_t number = 0;
        if (!fields.Int(number)) break;
        // A territory is never its own neighbour: an attack on it would be on its owner.
        if (number != self) AppendPositive(neighbours, kMaxNeighbours, count, number);
    }

    if (count == 0) state.territoryWithoutNeighbours = true;
    if (++state.territories > kMaxTerritories) return;
    const std::int32_t t = state.territories;
    g_neighbours[t] = neighbours;
    g_labelPositions[t] = label;
    g_territoryCodes[t] = code;
}

// Gives a line to the active section; a one-line section ends with it.
void TakeLine(std::string_view line, ParseState& state) {
    switch (state.active) {
        case Section::kNone:
            return;
        case Section::kMap:
            g_mapName = PaddedTextName(line);
            break;
        case Section::kPlayerNames:
            ReadPanelPosition(line);
            break;
        case Section::kSmilies:
            ReadSmilies(line);
            break;
        case Section::kContinents:
            ReadContinent(line, state);
            return;
        case Section::kTerritories:
            ReadTerritory(line, state);
            return;
    }
    state.active = Section::kNone;
}

// Removes numbers above `limit` from a row's packed slots [1..last], packing the rest from [1]
// again; answers how many were removed.
template <typename Row>
int RemoveAbove(Row& row, int last, std::int32_t limit) {
    const auto first = row.begin() + 1;
    const auto end = std::remove_if(first, first + last, [&](std::int32_t n) { return n > limit; });
    const int removed = static_cast<int>(first + last - end);
    std::fill(end, first + last, 0);
    return removed;
}

// Territory numbers the map does not have never stay in the tables, whatever the result.
bool ScrubMembers(std::int32_t limit) {
    bool found = false;
    for (int c = 1; c <= kMaxContinents; ++c) {
        const int removed = RemoveAbove(g_continents[c], kMaxContinentMembers, limit);
        g_continents[c][kContinentMemberCount] -= removed;
        found |= removed > 0;
    }
    return found;
}

bool ScrubNeighbours(std::int32_t limit) {
    bool found = false;
    for (int t = 1; t <= kMaxTerritories; ++t)
        found |= RemoveAbove(g_neighbours[t], kMaxNeighbours, limit) > 0;
    return found;
}

void StoreCounts(const ParseState& state) {
    g_continentCount = state.continents;
    g_territoryCount = state.territories;
}

// The refusals after the last line; each later one replaces an earlier one.
std::int32_t CheckCounts(const ParseState& state) {
    using namespace map_text_result;
    const std::int32_t limit =
        state.territories >= 1 ? std::min(state.territories, kMaxTerritories) : kMaxTerritories;
    const bool memberOutOfRange = ScrubMembers(limit);
    const bool neighbourOutOfRange = ScrubNeighbours(limit);

    std::int32_t result = kAccepted;
    if (state.continents == 0) result = kNoContinents;
    if (state.territories == 0) result = kNoTerritories;
    if (state.territoryWithoutNeighbours) result = kTerritoryWithoutNeighbours;
    if (IsNetworkGame() &&
        (state.continents > kNetworkMaxContinents || state.territories > kNetworkMaxTerritories))
        result = kAboveNetworkLimits;
    if (state.territories > 0 && memberOutOfRange) result = kMemberOutOfRange;
    if (state.territories > 0 && neighbourOutOfRange) result = kNeighbourOutOfRange;
    if (state.continentWithTooManyMembers) result = kTooManyMembers;
    if (state.territoryWithoutLabelPoint) result = kTerritoryWithoutLabelPoint;
    if (state.labelPointOffBoard) result = kLabelPointOffBoard;
    if (state.continents > kMaxContinents) result = kTooManyContinents;
    if (state.territories > kMaxTerritories) result = kTooManyTerritories;
    // A territory without neighbours still tells the board its size; a map the tables cannot
    // hold (results above 6) never does.
    if (state.territoryWithoutNeighbours && result <= kAboveNetworkLimits) StoreCounts(state);
    return result;
}

bool NamedByAnotherContinent(std::int32_t member, std::int32_t continent,
                             const std::array<std::int32_t, kMaxTerritories + 1>& continentOf) {
    for (std::int32_t t = 1; t <= g_territoryCount; ++t) {
        if (continentOf[t] == continent) continue;
        const NeighbourList& row = g_neighbours[t];
        if (std::find(row.begin() + 1, row.end(), member) != row.end()) return true;
    }
    return false;
}

// Appends each continent's border members in member order; answers false when a continent
// has more than the table holds (the rest are left out).
bool DeriveBorders() {
    std::array<std::int32_t, kMaxTerritories + 1> continentOf{};
    for (std::int32_t t = 1; t <= g_territoryCount; ++t) continentOf[t] = ContinentOfTerritory(t);
    bool fits = true;
    for (std::int32_t c = 1; c <= g_continentCount; ++c) {
        const ContinentRecord& record = g_continents[c];
        int borders = 0;
        for (int k = 1; k <= record[kContinentMemberCount]; ++k) {
            const std::int32_t member = record[k];
            if (member <= 0 || !NamedByAnotherContinent(member, c, continentOf)) continue;
            if (borders == kMaxContinentBorder) {
                fits = false;
                break;
            }
            g_continentBorders[c][++borders] = member;
        }
    }
    return fits;
}

int BorderCount(const ContinentBorderList& borders) {
    return static_cast<int>(
        std::count_if(borders.begin() + 1, borders.end(), [](std::int32_t b) { return b != 0; }));
}

std::int32_t StoreStatistics() {
    std::int32_t result = map_text_result::kAccepted;
    g_maxContinentBorder = 0;
    g_maxContinentSize = 0;
    g_borderTerritoryTotal = 0;
    for (std::int32_t c = 1; c <= g_continentCount; ++c) {
        const int borders = BorderCount(g_continentBorders[c]);
        if (borders == 0) result = map_text_result::kContinentWithoutBorder;
        g_maxContinentBorder = std::max(g_maxContinentBorder, borders);
        g_maxContinentSize = std::max(g_maxContinentSize, g_continents[c][kContinentMemberCount]);
        g_borderTerritoryTotal += borders;
    }
    g_routeCount = 0;  // a map text has no predefined routes
    g_mapAuxCount = 0;
    return result;
}

}  // namespace

std::int32_t ParseMapTextBuffer() {
    ClearMapTables();
    ParseState state;
    for (const std::string& line : g_mapTextBuffer) {
        TakeLine(line, state);
        if (const Section header = HeaderOf(line); header != Section::kNone) state.active = header;
    }
    if (const std::int32_t refused = CheckCounts(state); refused != map_text_result::kAccepted)
        return refused;
    StoreCounts(state);
    const bool bordersFit = DeriveBorders();
    const std::int32_t result = StoreStatistics();
    return bordersFit ? result : map_text_result::kTooManyBorderTerritories;
}

namespace {

// Visits each table the parser writes together with its saved copy: the one list of them.
template <typename Tables, typename Visit>
void ForEachMapTextTable(Tables& saved, Visit visit) {
    visit(g_continentNames, saved.continentNames);
    visit(g_continents, saved.continents);
    visit(g_continentBorders, saved.continentBorders);
    visit(g_neighbours, saved.neighbours);
    visit(g_labelPositions, saved.labelPositions);
    visit(g_territoryCodes, saved.territoryCodes);
    visit(g_routeTable, saved.routes);
    visit(g_mapName, saved.mapName);
    visit(g_playerPanelX, saved.panelX);
    visit(g_playerPanelY, saved.panelY);
    visit(g_customMapHasSmilies, saved.hasSmilies);
    visit(g_continentCount, saved.continentCount);
    visit(g_territoryCount, saved.territoryCount);
    visit(g_maxContinentSize, saved.maxContinentSize);
    visit(g_maxContinentBorder, saved.maxContinentBorder);
    visit(g_borderTerritoryTotal, saved.borderTerritoryTotal);
    visit(g_routeCount, saved.routeCount);
    visit(g_mapAuxCount, saved.auxCount);
}

}  // namespace

std::unique_ptr<MapTextTables> SaveMapTextTables() {
    auto saved = std::make_unique<MapTextTables>();
    ForEachMapTextTable(*saved, [](const auto& live, auto& copy) { copy = live; });
    return saved;
}

void RestoreMapTextTables(const MapTextTables& saved) {
    ForEachMapTextTable(saved, [](auto& live, const auto& copy) { live = copy; });
    NoteRouteTableRewritten();
}

void CChildView::ParseMapText(std::int32_t* result) {
    const std::int32_t parsed = ParseMapTextBuffer();
    if (result != nullptr) *result = parsed;
}

void CChildView::FindContinentOfTerritory(std::int32_t territory, std::int32_t* continent) {
    if (continent != nullptr) *continent = ContinentOfTerritory(territory);
}
