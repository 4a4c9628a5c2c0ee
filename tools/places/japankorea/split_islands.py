#!/usr/bin/env python3
# Splits Japan's outlines into its main islands, so that the layout can move and enlarge each
# on its own: the ring whose middle lies in an island's box becomes the country Hokkaido, Shikoku
# or Kyushu, and Honshu stays Japan. Every country keeps only its largest ring: the small islands
# would carry no label and only be sunk, and near the coasts they would join cells that the
# picture keeps apart. Reads and writes the format of extract_countries.py.
# Usage: split_islands.py < extracted.txt > countries.txt
import sys

# name, west, east, south, north (degrees) of the box that a ring's middle must lie in
ISLANDS = [
    ("Hokkaido", 139.0, 146.5, 41.6, 46.0),
    ("Shikoku", 132.0, 135.0, 32.6, 34.4),
    ("Kyushu", 129.3, 132.05, 30.9, 34.0),
]


def island_of(ring):
    lons, lats = ring[0::2], ring[1::2]
    lon = (min(lons) + max(lons)) / 200.0
    lat = (min(lats) + max(lats)) / 200.0
    for name, west, east, south, north in ISLANDS:
        if west <= lon <= east and south <= lat <= north:
            return name
    return "Japan"


def area(ring):
    xs, ys = ring[0::2], ring[1::2]
    n = len(xs)
    return abs(sum(xs[i] * ys[(i + 1) % n] - xs[(i + 1) % n] * ys[i] for i in range(n))) / 2


def main():
    largest = {}
    header = []
    country = None
    for line in sys.stdin:
        words = line.split()
        if not words or words[0] not in ("country", "ring"):
            if country is None:
                header.append(line)
            continue
        if words[0] == "country":
            country = words[2]
            continue
        ring = list(map(int, words[2:]))
        name = island_of(ring) if country == "Japan" else country
        if name not in largest or area(ring) > largest[name][0]:
            largest[name] = (area(ring), line.rstrip("\n"))
    print("".join(header), end="")
    for name in sorted(largest):
        print("country 0 %s" % name)
        print(largest[name][1])


main()
