// The drawing rules of map pictures and outline files, checked on the finished files.
#include "maps/validate_picture.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>
#include <set>

#include "maps/map_content.h"
#include "platform/raster/region.h"

namespace maps {
namespace {

using raster::Colour;
using raster::Point;
using raster::Rect;
using raster::Surface;

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0;

std::string Format(const char* format, int a, int b = 0, int c = 0, int d = 0) {
    char text[200];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

int Scaled(int value, int size) {
    return size == 1 ? value * 70 / 100 : size == 3 ? value * 125 / 100 : value;
}

Rect Box(int x, int y, int w, int h) {
    return Rect{x, y, x + w, y + h};
}

// Code box and count box sizes of the below-the-code layout, by screen size 1..3.
constexpr std::array<std::array<int, 2>, 3> kCodeBox{{{11, 6}, {17, 8}, {19, 10}}};
constexpr std::array<std::array<int, 2>, 3> kCountBox{{{8, 6}, {11, 8}, {13, 10}}};
constexpr int kIconSide = 15;

enum class Kind { kLand, kSea, kBorder, kLane, kOther };

Kind KindOf(Colour c, Colour lane) {
    if (c == kWhite) return Kind::kLand;
    if (c == kBlack) return Kind::kSea;
    if (c == lane) return Kind::kLane;
    if (raster::RedOf(c) == raster::GreenOf(c) && raster::GreenOf(c) == raster::BlueOf(c))
        return Kind::kBorder;
    return Kind::kOther;
}

// The analysed picture: pixel kinds, white pieces (4-connected) and who owns each piece.
struct Analysis {
    int width = 0;
    int height = 0;
    std::vector<Kind> kinds;
    std::vector<int> piece;      // per pixel, -1 off the white
    std::vector<int> pieceSize;  // per piece
    std::vector<Point> pieceAt;  // a pixel of each piece
    std::vector<int> owner;      // per piece, 0 unclaimed
    std::vector<int> mainPiece;  // per territory, -1 none
    int At(int x, int y) const { return y * width + x; }
};

void LabelPieces(Analysis& a) {
    a.piece.assign(a.kinds.size(), -1);
    std::vector<int> stack;
    for (int start = 0; start < static_cast<int>(a.kinds.size()); ++start) {
        if (a.kinds[start] != Kind::kLand || a.piece[start] >= 0) continue;
        const int id = static_cast<int>(a.pieceSize.size());
        a.pieceSize.push_back(0);
        a.pieceAt.push_back(Point{start % a.width, start / a.width});
        a.piece[start] = id;
        stack.push_back(start);
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++a.pieceSize[id];
            const int x = p % a.width, y = p / a.width;
            const std::array<Point, 4> next{{{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
            for (const Point& n : next) {
                if (n.x < 0 || n.y < 0 || n.x >= a.width || n.y >= a.height) continue;
                const int q = a.At(n.x, n.y);
                if (a.kinds[q] == Kind::kLand && a.piece[q] < 0) {
                    a.piece[q] = id;
                    stack.push_back(q);
                }
            }
        }
    }
}

int PieceAt(const Analysis& a, Point p) {
    if (p.x < 0 || p.y < 0 || p.x >= a.width || p.y >= a.height) return -1;
    return a.piece[a.At(p.x, p.y)];
}

void Claim(Analysis& a, int territory, Point p, bool main, std::vector<std::string>& errors) {
    const int id = PieceAt(a, p);
    if (id < 0) {
        errors.push_back(Format(main ? "territory %d: paint point (%d, %d) is not on white"
                                     : "territory %d: fill seed (%d, %d) is not on white",
                                territory, p.x, p.y));
        return;
    }
    if (main) a.mainPiece[territory] = id;
    if (a.owner[id] == territory && !main) {
        errors.push_back(Format("territory %d: fill seed (%d, %d) names a piece already filled",
                                territory, p.x, p.y));
    } else if (a.owner[id] != 0 && a.owner[id] != territory) {
        errors.push_back(Format("territories %d and %d both claim the piece at (%d, %d)",
                                a.owner[id], territory, p.x, p.y));
    }
    a.owner[id] = territory;
}

Analysis Analyse(const Surface& picture, const PictureRules& rules,
                 std::vector<std::string>& errors) {
    Analysis a;
    a.width = picture.Width();
    a.height = picture.Height();
    a.kinds.reserve(picture.Pixels().size());
    int stray = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            a.kinds.push_back(KindOf(picture.Pixel(x, y), rules.laneColour));
            if (a.kinds.back() == Kind::kOther && stray++ < 5)
                errors.push_back(
                    Format("pixel (%d, %d) is neither white, grey, lane nor sea", x, y));
        }
    LabelPieces(a);
    a.owner.assign(a.pieceSize.size(), 0);
    a.mainPiece.assign(rules.paintPoints.size(), -1);
    for (std::size_t t = 1; t < rules.paintPoints.size(); ++t)
        Claim(a, static_cast<int>(t), rules.paintPoints[t], true, errors);
    for (const FillSeed& seed : rules.seeds) {
        if (seed.territory < 1 || static_cast<std::size_t>(seed.territory) >= a.mainPiece.size()) {
            errors.push_back(Format("fill seed of unknown territory %d", seed.territory));
            continue;
        }
        Claim(a, seed.territory, Point{seed.x, seed.y}, false, errors);
    }
    for (std::size_t id = 0; id < a.owner.size(); ++id)
        if (a.owner[id] == 0)
            errors.push_back(Format("white piece at (%d, %d), %d pixels, belongs to no territory",
                                    a.pieceAt[id].x, a.pieceAt[id].y, a.pieceSize[id]));
    return a;
}

void CheckFootprints(const Analysis& a, const PictureRules& rules,
                     std::vector<std::string>& errors) {
    for (std::size_t t = 1; t < rules.footprints.size(); ++t) {
        const int main = a.mainPiece[t];
        if (main < 0) continue;
        int outside = 0;
        Point first{};
        for (const Rect& r : rules.footprints[t])
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    if (PieceAt(a, Point{x, y}) != main && outside++ == 0) first = Point{x, y};
        if (outside > 0)
            errors.push_back(
                Format("territory %d: %d label pixels off its white area, first (%d, %d)",
                       static_cast<int>(t), outside, first.x, first.y));
    }
}

// White must meet sea, lanes, the picture's edge and other pieces only through a grey line.
void CheckClosedBorders(const Analysis& a, std::vector<std::string>& errors) {
    int open = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const int id = a.piece[a.At(x, y)];
            if (id < 0) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    const bool off = nx < 0 || ny < 0 || nx >= a.width || ny >= a.height;
                    const Kind k = off ? Kind::kSea : a.kinds[a.At(nx, ny)];
                    const bool other = !off && k == Kind::kLand && a.piece[a.At(nx, ny)] != id;
                    if ((k == Kind::kSea || k == Kind::kLane || other) && open++ < 5)
                        errors.push_back(Format("open border at (%d, %d)", x, y));
                }
        }
}

using PairSet = std::set<std::pair<int, int>>;

void AddPair(PairSet& pairs, int a, int b) {
    if (a != b && a > 0 && b > 0) pairs.insert({std::min(a, b), std::max(a, b)});
}

// The territories whose white touches each pixel (8-neighbourhood), as a small sorted list.
std::vector<std::vector<int>> TouchingOwners(const Analysis& a) {
    std::vector<std::vector<int>> owners(a.kinds.size());
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const int id = a.piece[a.At(x, y)];
            if (id < 0 || a.owner[id] == 0) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= a.width || ny >= a.height) continue;
                    auto& list = owners[a.At(nx, ny)];
                    if (std::find(list.begin(), list.end(), a.owner[id]) == list.end())
                        list.push_back(a.owner[id]);
                }
        }
    return owners;
}

// Territories touch where one grey pixel, or two neighbouring grey pixels, lie beside both.
PairSet TouchingPairs(const Analysis& a, const std::vector<std::vector<int>>& owners) {
    PairSet pairs;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            if (a.kinds[a.At(x, y)] != Kind::kBorder) continue;
            for (int dy = 0; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny >= a.height || nx >= a.width) continue;
                    if (a.kinds[a.At(nx, ny)] != Kind::kBorder) continue;
                    for (int p : owners[a.At(x, y)])
                        for (int q : owners[a.At(nx, ny)]) AddPair(pairs, p, q);
                }
        }
    return pairs;
}

int FindRoot(std::vector<int>& parent, int i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
}

// Sea lanes: 8-connected runs of the lane colour, joined across the left and right edges.
PairSet LanePairs(const Analysis& a, const std::vector<std::vector<int>>& owners,
                  std::vector<std::string>& errors) {
    std::vector<int> parent(a.kinds.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto lane = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < a.width && y < a.height &&
               a.kinds[a.At(x, y)] == Kind::kLane;
    };
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            if (!lane(x, y)) continue;
            // A lane leaving the left edge goes on at the right edge, one row up or down at most.
            const std::array<Point, 7> next{{{x + 1, y},
                                             {x - 1, y + 1},
                                             {x, y + 1},
                                             {x + 1, y + 1},
                                             {a.width - 1, y - 1},
                                             {a.width - 1, y},
                                             {a.width - 1, y + 1}}};
            for (std::size_t i = 0; i < next.size(); ++i) {
                if (i >= 4 && x != 0) continue;
                if (lane(next[i].x, next[i].y))
                    parent[FindRoot(parent, a.At(x, y))] =
                        FindRoot(parent, a.At(next[i].x, next[i].y));
            }
        }
    std::vector<std::vector<int>> joined(a.kinds.size());
    std::vector<int> roots;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            if (!lane(x, y)) continue;
            const int root = FindRoot(parent, a.At(x, y));
            if (joined[root].empty()) roots.push_back(root);
            joined[root].push_back(0);  // marks the lane as seen
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= a.width || ny >= a.height) continue;
                    const Kind k = a.kinds[a.At(nx, ny)];
                    if (k == Kind::kLand)
                        errors.push_back(Format("sea lane crosses land at (%d, %d)", x, y));
                    if (k != Kind::kBorder) continue;
                    for (int t : owners[a.At(nx, ny)]) joined[root].push_back(t);
                }
        }
    PairSet pairs;
    for (int root : roots) {
        std::vector<int> ends;
        for (int t : joined[root])
            if (t > 0 && std::find(ends.begin(), ends.end(), t) == ends.end()) ends.push_back(t);
        if (ends.size() != 2)
            errors.push_back(Format("sea lane at (%d, %d) joins %d territories, not 2",
                                    root % a.width, root / a.width, static_cast<int>(ends.size())));
        else
            AddPair(pairs, ends[0], ends[1]);
    }
    return pairs;
}

void CheckContacts(const Analysis& a, const PictureRules& rules, std::vector<std::string>& errors) {
    const auto owners = TouchingOwners(a);
    const PairSet touching = TouchingPairs(a, owners);
    const PairSet lanes = LanePairs(a, owners, errors);
    const PairSet wanted(rules.neighbourPairs.begin(), rules.neighbourPairs.end());
    for (const auto& [p, q] : touching)
        if (!wanted.contains({p, q}))
            errors.push_back(Format("territories %d and %d touch but are not neighbours", p, q));
    for (const auto& [p, q] : lanes)
        if (!wanted.contains({p, q}))
            errors.push_back(Format("a sea lane joins %d and %d, which are not neighbours", p, q));
    for (const auto& [p, q] : wanted)
        if (!touching.contains({p, q}) && !lanes.contains({p, q}))
            errors.push_back(
                Format("neighbours %d and %d neither touch nor share a sea lane", p, q));
}

}  // namespace

Point PaintPoint(const MapArt& art, int size, std::int32_t territory, int shiftY) {
    std::int32_t x = 0, y = 0;
    if (!LabelRow(art, size, territory, &x, &y)) return Point{-1, -1};
    return Point{Scaled(x, size) + 1, Scaled(y, size) + 1 - shiftY};
}

std::vector<Rect> LabelFootprint(const MapArt& art, int size, std::int32_t territory, int shiftY) {
    const Point p = PaintPoint(art, size, territory, shiftY);
    if (p.x < 0 || size < 1 || size > 3) return {};
    int codeW = kCodeBox[size - 1][0], codeH = kCodeBox[size - 1][1];
    for (const CodeBoxSize& box : art.narrowCodeBoxes)
        if (box.size == size && box.territory == territory) codeW = box.width, codeH = box.height;
    // The code's text stands at the point and its box one row lower.
    std::vector<Rect> rects{Box(p.x, p.y, codeW, codeH + 1)};
    const int countW = kCountBox[size - 1][0], countH = kCountBox[size - 1][1];
    const ArtOffset* count = FindOffset(art.countOffsets, size, territory);
    for (const bool large : {false, true}) {
        Point c = p;
        if (count)
            c = count->absolute
                    ? Point{count->dx, count->dy}
                    : Point{p.x + count->dx, p.y + (large ? count->dyLargeFonts : count->dy)};
        // Text one row above the box; with large fonts both stand one row higher.
        const int boxTop = (size == 1 ? 12 : 16) - (large && size != 1 ? 1 : 0);
        rects.push_back(Box(c.x, c.y + boxTop - 1, countW, countH + 1));
        if (size == 1) continue;
        rects.push_back(Box(p.x, p.y, kIconSide, kIconSide));  // the icon-erase square
        Point icon = p;
        if (const ArtOffset* row = FindOffset(art.iconOffsets, size, territory))
            icon = row->absolute ? Point{row->dx, row->dy} : Point{c.x + row->dx, c.y + row->dy};
        rects.push_back(Box(icon.x, icon.y, kIconSide, kIconSide));
    }
    return rects;
}

PictureRules RulesFor(const MapArt& art, const CodeMapContent& content, int size, int shiftY,
                      raster::Colour laneColour) {
    PictureRules rules;
    rules.size = size;
    rules.laneColour = laneColour;
    const int n = static_cast<int>(content.territories.size());
    rules.paintPoints.assign(static_cast<std::size_t>(n) + 1, Point{-1, -1});
    rules.footprints.resize(static_cast<std::size_t>(n) + 1);
    for (int t = 1; t <= n; ++t) {
        rules.paintPoints[t] = PaintPoint(art, size, t, shiftY);
        rules.footprints[t] = LabelFootprint(art, size, t, shiftY);
        for (std::int32_t other : content.territories[t - 1].neighbours)
            if (other > 0)
                rules.neighbourPairs.emplace_back(std::min(t, other), std::max(t, other));
    }
    std::sort(rules.neighbourPairs.begin(), rules.neighbourPairs.end());
    rules.neighbourPairs.erase(
        std::unique(rules.neighbourPairs.begin(), rules.neighbourPairs.end()),
        rules.neighbourPairs.end());
    for (const FillSeed& seed : SeedsFor(art, size))
        if (seed.territory > 0) rules.seeds.push_back(seed);
    return rules;
}

std::vector<std::string> ValidatePicture(const Surface& picture, const PictureRules& rules) {
    std::vector<std::string> errors;
    const Analysis a = Analyse(picture, rules, errors);
    CheckFootprints(a, rules, errors);
    CheckClosedBorders(a, errors);
    CheckContacts(a, rules, errors);
    return errors;
}

std::vector<std::pair<int, int>> ContactPairs(const Surface& picture, const PictureRules& rules) {
    std::vector<std::string> errors;
    const Analysis a = Analyse(picture, rules, errors);
    const auto owners = TouchingOwners(a);
    PairSet pairs = TouchingPairs(a, owners);
    for (const auto& pair : LanePairs(a, owners, errors)) pairs.insert(pair);
    return {pairs.begin(), pairs.end()};
}

std::vector<std::string> ValidateOutlines(const Surface& picture, const OutlineSet& outlines,
                                          const PictureRules& rules) {
    std::vector<std::string> errors;
    const Analysis a = Analyse(picture, rules, errors);
    errors.clear();  // the picture's own faults are ValidatePicture's to report
    const int n = static_cast<int>(rules.paintPoints.size()) - 1;
    if (static_cast<int>(outlines.rows.size()) - 1 != n)
        return {Format("outline file has %d territories, the map %d",
                       static_cast<int>(outlines.rows.size()) - 1, n)};
    for (int t = 1; t <= n; ++t) {
        const auto& row = outlines.rows[t];
        // The painter takes the first `count` points; the last one repeats the first.
        if (row.size() < 4 || row.front() != row.back()) {
            errors.push_back(Format("territory %d: outline not closed", t));
            continue;
        }
        const auto region =
            raster::Region::FromPolygon(row.data(), static_cast<int>(row.size()) - 1);
        const int main = a.mainPiece[t];
        int missing = 0, stray = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x) {
                const int id = a.piece[a.At(x, y)];
                const bool inside = region.Contains(x, y);
                if (id == main && main >= 0 && !inside) ++missing;
                const Kind k = a.kinds[a.At(x, y)];
                if (inside && ((id >= 0 && id != main) || k == Kind::kSea || k == Kind::kLane))
                    ++stray;
            }
        if (missing || stray)
            errors.push_back(
                Format("territory %d: outline misses %d pixels of its piece and covers "
                       "%d pixels outside it",
                       t, missing, stray));
    }
    return errors;
}

}  // namespace maps
