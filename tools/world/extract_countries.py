#!/usr/bin/env python3
# Turns world-atlas's countries-110m.json (TopoJSON) into countries.txt, the outline data that
# gen_world_map reads: one "country" line per country, then one "ring" line per outer ring with
# its points as whole hundredths of a degree. Holes are left out: enclaves are drawn as their own
# countries over their hosts. Usage: extract_countries.py countries-110m.json > countries.txt
import json
import sys

from topojson import decode_arcs, ring_points


def main():
    topo = json.load(open(sys.argv[1]))
    arcs = decode_arcs(topo)
    print("# Natural Earth 1:110m country outlines, from world-atlas 2.0.2 (ISC, see LICENSE).")
    for geometry in topo["objects"]["countries"]["geometries"]:
        polygons = geometry.get("arcs", [])
        if geometry["type"] == "Polygon":
            polygons = [polygons]
        name = geometry.get("properties", {}).get("name", "?")
        print("country %s %s" % (geometry.get("id", "0"), name))
        for polygon in polygons:
            points = ring_points(arcs, polygon[0])
            coords = []
            for lon, lat in points[:-1]:
                coords.append("%d %d" % (round(lon * 100), round(lat * 100)))
            print("ring %d %s" % (len(coords), " ".join(coords)))


main()
