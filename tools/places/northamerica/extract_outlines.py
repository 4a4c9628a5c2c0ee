#!/usr/bin/env python3
# Writes North America's outlines (countries.txt beside this script): Canada, Mexico, Central
# America and the Caribbean islands from world-atlas 2.0.2 (Natural Earth 1:50m), and the US
# states from us-atlas 3.0.1 (Census Bureau 1:10m, unprojected), both ISC (../LICENSE and
# LICENSE-us-atlas). Rings smaller than the map can show are left out and points of an arc closer
# than 0.04 degrees to the last one kept are dropped (arc by arc, so that neighbouring states
# keep one shared border), to keep the file small; Hawaii and the Aleutians west of 180 are not
# drawn.
# Usage: extract_outlines.py countries-50m.json states-10m.json > countries.txt
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "world"))
from topojson import decode_arcs, ring_points  # noqa: E402

COUNTRIES = {  # name -> smallest ring kept, in square degrees
    "Canada": 0.4, "Mexico": 0.05, "Guatemala": 0.05, "Belize": 0.05, "Honduras": 0.05,
    "El Salvador": 0.05, "Nicaragua": 0.05, "Costa Rica": 0.05, "Panama": 0.05,
    "Cuba": 0.05, "Haiti": 0.05, "Dominican Rep.": 0.05, "Jamaica": 0.05,
    "Puerto Rico": 0.05, "Bahamas": 0.03,
}
STATE_MIN = 0.01
LEFT_OUT = {"Hawaii", "Puerto Rico", "United States Virgin Islands", "Guam",
            "Commonwealth of the Northern Mariana Islands", "American Samoa"}


def area(points):
    return abs(sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(points, points[1:] + points[:1]))) / 2


def thinned(arc):
    kept = [arc[0]]
    for p in arc[1:-1]:
        if abs(p[0] - kept[-1][0]) + abs(p[1] - kept[-1][1]) >= 0.04:
            kept.append(p)
    return kept + [arc[-1]]


def rings(topo, key, wanted):
    arcs = [thinned(arc) for arc in decode_arcs(topo)]
    out = {}
    for geometry in topo["objects"][key]["geometries"]:
        name = geometry.get("properties", {}).get("name", "?")
        smallest = wanted(name)
        if smallest is None:
            continue
        polygons = geometry.get("arcs", [])
        if geometry["type"] == "Polygon":
            polygons = [polygons]
        for polygon in polygons:
            points = ring_points(arcs, polygon[0])[:-1]
            if area(points) < smallest or min(lon for lon, _ in points) > 0:
                continue
            coords = ["%d %d" % (round(lon * 100), round(lat * 100)) for lon, lat in points]
            out.setdefault(name, []).append("ring %d %s" % (len(coords), " ".join(coords)))
    return out


def main():
    out = rings(json.load(open(sys.argv[1])), "countries", COUNTRIES.get)
    out.update(rings(json.load(open(sys.argv[2])), "states",
                     lambda name: None if name in LEFT_OUT else STATE_MIN))
    print("# North America's outlines: Natural Earth 1:50m countries (world-atlas 2.0.2) and")
    print("# Census Bureau US states (us-atlas 3.0.1), both ISC; made by extract_outlines.py.")
    for name in sorted(out):
        print("country 0 %s" % name.replace(" ", "_").replace(".", ""))
        for line in out[name]:
            print(line)


main()
