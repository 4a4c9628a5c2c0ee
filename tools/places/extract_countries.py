#!/usr/bin/env python3
# Turns world-atlas's countries-50m.json (TopoJSON) into countries-50m.txt, the outline data of
# the maps of real places, in the format of tools/world/countries.txt: one "country" line per
# country, one "ring" line per outer ring in whole hundredths of a degree. Only the countries
# named are kept; an island of Australia south of 39.2 S is written as the country "Tasmania",
# so that a map can enlarge it on its own.
# Usage: extract_countries.py countries-50m.json Australia [Norway ...] > countries-50m.txt
import json
import os
import sys

# The TopoJSON decoding is World's extractor's.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "world"))
from topojson import decode_arcs, ring_points  # noqa: E402


def country_of(name, ring):
    if name == "Australia" and max(lat for _, lat in ring) < -39.2:
        return "Tasmania"
    return name


def main():
    topo = json.load(open(sys.argv[1]))
    wanted = sys.argv[2:]
    arcs = decode_arcs(topo)
    out = {}
    for geometry in topo["objects"]["countries"]["geometries"]:
        name = geometry.get("properties", {}).get("name", "?")
        if name not in wanted:
            continue
        polygons = geometry.get("arcs", [])
        if geometry["type"] == "Polygon":
            polygons = [polygons]
        for polygon in polygons:
            points = ring_points(arcs, polygon[0])[:-1]
            coords = ["%d %d" % (round(lon * 100), round(lat * 100)) for lon, lat in points]
            line = "ring %d %s" % (len(coords), " ".join(coords))
            out.setdefault(country_of(name, points), []).append(line)
    print("# Natural Earth 1:50m country outlines, from world-atlas 2.0.2 (ISC, see LICENSE).")
    for name in sorted(out):
        print("country 0 %s" % name.replace(" ", "_"))
        for line in out[name]:
            print(line)


main()
