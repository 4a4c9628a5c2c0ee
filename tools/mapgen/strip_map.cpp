// Transforms between strip space and the board, and the reading of a map's inputs.
#include "tools/mapgen/strip_map.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

namespace mapgen {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

double WaveOffset(const std::vector<double>& p, double u, double v) {
    return p[0] * std::sin(kTau * u / p[1] + kTau * v / p[2] + p[3]);
}

std::optional<Transform> ReadTransform(std::istringstream& in) {
    std::string kind;
    in >> kind;
    Transform t;
    std::size_t count = 0;
    if (kind == "shift") t.kind = Transform::Kind::kShift, count = 2;
    if (kind == "wave") t.kind = Transform::Kind::kWave, count = 4;
    if (kind == "polar") t.kind = Transform::Kind::kPolar, count = 6;
    if (count == 0) return std::nullopt;
    t.p.resize(count);
    for (double& value : t.p) in >> value;
    if (!in) return std::nullopt;
    // A wave must stay invertible: its slope across v below one.
    if (t.kind == Transform::Kind::kWave && kTau * std::abs(t.p[0]) / t.p[2] >= 0.9)
        return std::nullopt;
    return t;
}

bool ReadLine(const std::string& key, std::istringstream& in, MapInputs& inputs) {
    if (key == "map") {
        std::getline(in >> std::ws, inputs.name);
    } else if (key == "seed") {
        in >> inputs.seed;
    } else if (key == "gap") {
        in >> inputs.gap;
    } else if (key == "contact") {
        in >> inputs.minContact >> inputs.maxContact >> inputs.ramp;
    } else if (key == "jitter") {
        in >> inputs.jitter;
    } else if (key == "dense") {
        in >> inputs.dense;
    } else if (key == "maxn") {
        in >> inputs.maxNeighbours;
    } else if (key == "routes") {
        in >> inputs.routes >> inputs.longestRoute;
    } else if (key == "group") {
        const auto t = ReadTransform(in);
        if (!t) return false;
        inputs.groups.push_back(*t);
    } else if (key == "row") {
        Row row;
        in >> row.group >> row.continent >> row.segments >> row.u0 >> row.u1 >> row.v0 >> row.v1;
        std::string extra;
        if (in >> extra)
            row.round = extra == "round";
        else
            in.clear();
        if (row.group < 0 || row.group >= static_cast<int>(inputs.groups.size()) ||
            row.segments < 1 || row.u1 <= row.u0 || row.v1 <= row.v0)
            return false;
        inputs.rows.push_back(row);
    } else if (key == "weights") {
        if (inputs.rows.empty()) return false;
        Row& row = inputs.rows.back();
        double w = 0;
        while (in >> w) row.weights.push_back(w);
        in.clear();
        if (static_cast<int>(row.weights.size()) != row.segments) return false;
    } else if (key == "lane") {
        SeaLane lane;
        in >> lane.rowA >> lane.uA >> lane.sideA >> lane.rowB >> lane.uB >> lane.sideB;
        std::string extra;
        if (in >> extra)
            lane.fixed = extra == "fixed";
        else
            in.clear();
        const int rows = static_cast<int>(inputs.rows.size());
        if (lane.rowA < 1 || lane.rowA > rows || lane.rowB < 1 || lane.rowB > rows) return false;
        --lane.rowA, --lane.rowB;
        inputs.lanes.push_back(lane);
    } else if (key == "organic") {
        OrganicInputs& o = inputs.organic;
        in >> o.seed >> o.reach >> o.creek >> o.warp >> o.shore;
        o.on = o.reach > 0 && o.creek > 0 && o.warp >= 0 && o.shore >= 0;
        if (!o.on) return false;
    } else if (key == "continent") {
        ContinentInputs c;
        in >> c.members >> c.bonus >> c.borders >> c.name;
        inputs.continents.push_back(c);
    } else {
        return false;
    }
    return !in.fail();
}

}  // namespace

Vec Transform::ToBoard(double u, double v) const {
    switch (kind) {
        case Kind::kShift:
            return {u + p[0], v + p[1]};
        case Kind::kWave:
            return {u, v + WaveOffset(p, u, v)};
        case Kind::kPolar: {
            const double angle = kTau * u / p[5];
            return {p[0] + p[2] * (p[4] + v) * std::cos(angle),
                    p[1] + p[3] * (p[4] + v) * std::sin(angle)};
        }
    }
    return {u, v};
}

bool Transform::ToStrip(double x, double y, double* u, double* v) const {
    switch (kind) {
        case Kind::kShift:
            *u = x - p[0];
            *v = y - p[1];
            return true;
        case Kind::kWave: {
            // y = v + offset(x, v) is solved by iteration: the offset's slope in v is below 1.
            double guess = y;
            for (int i = 0; i < 30; ++i) guess = y - WaveOffset(p, x, guess);
            *u = x;
            *v = guess;
            return true;
        }
        case Kind::kPolar: {
            const double dx = (x - p[0]) / p[2];
            const double dy = (y - p[1]) / p[3];
            double angle = std::atan2(dy, dx);
            if (angle < 0) angle += kTau;
            *u = angle / kTau * p[5];
            *v = std::hypot(dx, dy) - p[4];
            return true;
        }
    }
    return false;
}

double Transform::Period() const {
    return kind == Kind::kPolar ? p[5] : 0;
}

int Row::SegmentAt(double u) const {
    return static_cast<int>(std::upper_bound(cuts.begin(), cuts.end(), u) - cuts.begin());
}

std::optional<MapInputs> LoadMapInputs(const std::string& path, std::string* error) {
    std::ifstream file(path);
    if (!file) {
        *error = "cannot read " + path;
        return std::nullopt;
    }
    MapInputs inputs;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos) line.resize(hash);
        std::istringstream in(line);
        std::string key;
        if (!(in >> key)) continue;
        if (!ReadLine(key, in, inputs)) {
            *error = path + ":" + std::to_string(number) + ": cannot read \"" + line + "\"";
            return std::nullopt;
        }
    }
    if (inputs.name.empty() || inputs.rows.empty()) {
        *error = path + ": no map name or no rows";
        return std::nullopt;
    }
    return inputs;
}

Vec LaneAnchor(const MapInputs& inputs, const SeaLane& lane, bool first) {
    const Row& row = inputs.rows[static_cast<std::size_t>(first ? lane.rowA : lane.rowB)];
    const double u = first ? lane.uA : lane.uB;
    const char side = first ? lane.sideA : lane.sideB;
    const double mid = (row.v0 + row.v1) / 2;
    double su = u, sv = mid;
    // A little inside the land, so that the lane surely meets the coast.
    constexpr double kInset = 6;
    if (side == 't') sv = row.v0 + kInset;
    if (side == 'b') sv = row.v1 - kInset;
    if (side == 's') su = row.u0 + kInset;
    if (side == 'e') su = row.u1 - kInset;
    return inputs.groups[static_cast<std::size_t>(row.group)].ToBoard(su, sv);
}

std::uint32_t Rng::Next() {
    // SplitMix64: one multiply-xorshift step per number, the same on every platform.
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 16);
}

}  // namespace mapgen
