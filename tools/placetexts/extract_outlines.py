#!/usr/bin/env python3
# Writes the outlines a map text of a real place draws from (tools/placetexts/<map>/outlines.txt)
# out of a TopoJSON file of world-atlas or us-atlas, in the format of tools/places/
# countries-50m.txt: one "country" line per outline, one "ring" line per outer ring in whole
# hundredths of a degree, repeated points left out. Only the outlines named are kept (all with
# "--all"), and with --box only the rings whose middle lies inside it; --name-box gives the rings
# whose middle lies in its box an outline name of their own (Northern Ireland out of the United
# Kingdom's, say).
# Usage: extract_outlines.py <file.json> <object> [--box lon0 lat0 lon1 lat1]
#            [--name-box lon0 lat0 lon1 lat1 name] --all | <name>...
import json
import os
import sys

# The TopoJSON decoding is World's extractor's.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "world"))
from topojson import decode_arcs, ring_points  # noqa: E402


def main():
    args = sys.argv[1:]
    topo = json.load(open(args[0]))
    objects = topo["objects"][args[1]]["geometries"]
    rest = args[2:]
    box = None
    if rest and rest[0] == "--box":
        box = [float(v) for v in rest[1:5]]
        rest = rest[5:]
    name_box = None
    if rest and rest[0] == "--name-box":
        name_box = [float(v) for v in rest[1:5]] + [rest[5]]
        rest = rest[6:]
    wanted = None if rest == ["--all"] else set(rest)
    arcs = decode_arcs(topo)
    out = {}
    for geometry in objects:
        name = geometry.get("properties", {}).get("name", "?")
        if wanted is not None and name not in wanted:
            continue
        polygons = geometry.get("arcs", [])
        if geometry["type"] == "Polygon":
            polygons = [polygons]
        for polygon in polygons:
            points = ring_points(arcs, polygon[0])[:-1]
            mid_lon = sum(p[0] for p in points) / len(points)
            mid_lat = sum(p[1] for p in points) / len(points)
            if box and not (box[0] <= mid_lon <= box[2] and box[1] <= mid_lat <= box[3]):
                continue
            named = name
            if name_box and name_box[0] <= mid_lon <= name_box[2] and \
                    name_box[1] <= mid_lat <= name_box[3]:
                named = name_box[4]
            coords = []
            for lon, lat in points:
                point = (round(lon * 100), round(lat * 100))
                if not coords or coords[-1] != point:
                    coords.append(point)
            if len(coords) < 3:
                continue
            flat = " ".join("%d %d" % p for p in coords)
            out.setdefault(named, []).append("ring %d %s" % (len(coords), flat))
    for name in sorted(out):
        print("country 0 %s" % name.replace(" ", "_"))
        for line in out[name]:
            print(line)


main()
