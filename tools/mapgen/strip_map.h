// The imagined maps' geometry: strips of territories laid out in (u, v) spaces that a transform
// bends onto the board, with the contacts between stacked strips and the sea lanes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mapgen {

struct Vec {
    double x = 0;
    double y = 0;
};

// How one group of strips lies on the board (medium-screen units).
struct Transform {
    enum class Kind { kShift, kWave, kPolar };
    Kind kind = Kind::kShift;
    // kShift: dx dy; kWave: amplitude, wavelength along u, wavelength across v, phase;
    // kPolar: centre x, centre y, x scale, y scale, inner radius, u period.
    std::vector<double> p;

    Vec ToBoard(double u, double v) const;
    // The (u, v) of a board point; false when the transform cannot place it.
    bool ToStrip(double x, double y, double* u, double* v) const;
    // The length after which u repeats, 0 when it does not.
    double Period() const;
};

// A stretch of a row's edge where the gap to the row beside it is closed.
struct Contact {
    double c0 = 0;
    double c1 = 0;
    double gap = 0;
};

struct Row {
    int group = 0;
    int continent = 0;
    int segments = 0;
    double u0 = 0, u1 = 0, v0 = 0, v1 = 0;
    bool round = false;        // rounded free ends
    bool joinedStart = false;  // its start touches the end of another row
    bool joinedEnd = false;
    std::vector<double> weights;   // relative segment lengths; empty: all alike
    std::vector<double> cuts;      // the segments - 1 inner cuts, increasing
    std::vector<int> territories;  // per segment
    std::vector<Contact> top, bottom;

    int SegmentAt(double u) const;
    double SegmentStart(int s) const { return s == 0 ? u0 : cuts[static_cast<std::size_t>(s - 1)]; }
    double SegmentEnd(int s) const {
        return s == segments - 1 ? u1 : cuts[static_cast<std::size_t>(s)];
    }
};

// A possible sea lane between the edges of two rows: side t(op), b(ottom), s(tart) or e(nd).
struct SeaLane {
    int rowA = 0;
    double uA = 0;
    char sideA = 't';
    int rowB = 0;
    double uB = 0;
    char sideB = 't';
    bool fixed = false;  // always drawn, not left to the search
};

// A continent of a map whose runs are our own (Swamp II): size, bonus and name.
struct ContinentInputs {
    int members = 0;
    int bonus = 0;
    std::string name;
    int borders = 0;
};

// How a map drawn organically around its strips' label points and contacts looks: the noise's
// seed, how far land reaches from a territory's seeds, half the width of the creeks between
// territories that are not neighbours, how far the noise warps the borders, and how far the
// coast stands out from the strips' own coast on average (medium units).
struct OrganicInputs {
    bool on = false;
    std::uint32_t seed = 1;
    double reach = 60;
    double creek = 4;
    double warp = 12;
    double shore = 0;
};

struct MapInputs {
    std::string name;  // the catalogue's name
    std::uint32_t seed = 1;
    double gap = 10;           // default sea between stacked rows
    double minContact = 10;    // shortest closed stretch
    double maxContact = 1000;  // longest closed stretch
    double ramp = 6;           // how far a gap takes to close
    double jitter = 0.36;      // how far cuts stray from even spacing, in segment lengths
    bool dense = false;        // close every gap the counts allow
    int maxNeighbours = 0;     // 0: the catalogue's
    int routes = -1;           // -1: the catalogue's
    int longestRoute = 15;
    std::vector<Transform> groups;
    std::vector<Row> rows;
    std::vector<SeaLane> lanes;
    std::vector<ContinentInputs> continents;  // only for maps whose runs are our own
    OrganicInputs organic;                    // off: drawn as strips
};

// Reads a map's inputs; the error names the line that is wrong.
std::optional<MapInputs> LoadMapInputs(const std::string& path, std::string* error);

// The board point of a row's edge at u on one side.
Vec LaneAnchor(const MapInputs& inputs, const SeaLane& lane, bool first);

// Small deterministic generator (the standard distributions differ between libraries).
class Rng {
  public:
    explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t Next();
    int Below(int n) {
        return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint32_t>(n));
    }
    double Unit() { return (Next() >> 8) / 16777216.0; }

  private:
    std::uint64_t state_;
};

}  // namespace mapgen
