// A map text of a real place made whole from its inputs (tools/placetexts/<map>/map.txt and the
// outlines beside it): real outlines projected onto the medium picture, territories that are
// whole outlines or cells cut around points of the real regions, continents as the inputs group
// them, then the drawing, labels and checks the imagined map texts have.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/mapgen/text_map.h"
#include "tools/places/geo.h"

namespace placetexts {

// One territory of the inputs: the union of whole outlines, or the cell of the shared land
// nearest to a point.
struct PlaceTerritory {
    std::string code;                   // own code ("xxx" style maps print "xxx")
    std::string name;                   // the real region's name, for the reader of the inputs
    int continent = 0;                  // 1.. in the inputs' order
    std::vector<std::string> outlines;  // whole outlines; empty: a cell around `at`
    places::Vec2 at;                    // degrees
    std::string within;                 // a cell of this `land` outline only; empty: any
};

struct PlaceInputs {
    std::string name;  // the text's "[map]" line
    std::string outlines = "outlines.txt";
    bool hasKeep = false;
    places::Vec2 keepFrom, keepTo;  // rings whose middle is outside are dropped
    places::Ring clip;         // when given, every ring is cut to this convex polygon (degrees)
    double wrapBelow = -1000;  // longitudes below move east by 360
    bool conic = false;        // Albers equal-area; else plate carree or Miller
    bool miller = false;       // Miller cylindrical
    double stretch = 1;        // north-south scale of the cylindrical projections
    double lon0 = 0, lat1 = 0, lat2 = 0;
    double boxLeft = 0, boxTop = 0, boxRight = 954, boxBottom = 632;  // medium units
    // Crowded parts drawn larger: around a point (degrees), within about `radius` medium units,
    // distances grow by up to `factor`.
    struct Magnify {
        places::Vec2 at;
        double radius = 0;
        double factor = 1;
    };
    std::vector<Magnify> magnify;
    std::vector<std::string> land;  // outlines cut into cells
    std::vector<std::string> continents;
    std::vector<PlaceTerritory> territories;
    std::vector<std::pair<std::string, std::string>> lanes;  // by code: short sea crossings
    mapgen::CodeStyle codes = mapgen::CodeStyle::kXxx;
    int bridge = 0;
    int smooth = 2;  // passes of the 3x3 majority over coasts and borders
    // A territory short of room for its label grows over the sea and over territories of at
    // least this many medium pixels.
    int donorArea = 3528;
    bool draft = false;  // land under the players panel is sunk instead of refused (to look)  // an
                         // island of a territory joins its main land over sea up to this far
};

std::optional<PlaceInputs> LoadPlaceInputs(const std::string& folder, std::string* error);

// The map made from its inputs; the territories are numbered in the inputs' order, which lists
// them continent by continent.
std::optional<mapgen::TextMap> MakePlaceTextMap(const PlaceInputs& inputs,
                                                const std::vector<places::Country>& outlines,
                                                std::string* error);

// The generated C++ file that holds the map's lines (maps/place_texts/<file>.cpp).
std::string PlaceTextFile(const mapgen::TextMap& map, const std::string& function);

}  // namespace placetexts
