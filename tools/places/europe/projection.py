#!/usr/bin/env python3
# Prints the board-unit lines of Europe's layout.txt (land and sea strokes, sea lanes, warp
# controls) and, with --seeds, the seed lines of cells.txt, from places given in degrees. The
# warp is a Lambert conformal conic projection (central meridian 12 E, standard parallels 38 and
# 62 N) on a grid of points, with the crowded areas (the Balkans, the Alps and the Low
# Countries, Denmark, the Levant, the Caucasus) magnified in place so that their small countries
# have room for their labels.
# Usage: python3 projection.py > generated.txt   (layout.txt ends with it)
#        python3 projection.py --seeds          (the seed lines of cells.txt)
import math
import sys

LON0 = 12.0
P1, P2 = math.radians(38), math.radians(62)
N = math.log(math.cos(P1) / math.cos(P2)) / math.log(
    math.tan(math.pi / 4 + P2 / 2) / math.tan(math.pi / 4 + P1 / 2))
F = math.cos(P1) * math.tan(math.pi / 4 + P1 / 2) ** N / N
SCALE = 820.0  # board pixels per unit of the projection (about 15 per degree of latitude)
LIFT = 45.0  # pixels the south coast of the Mediterranean is lifted by


def conic(lon, lat):
    r = F / math.tan(math.pi / 4 + math.radians(lat) / 2) ** N
    t = N * math.radians(lon - LON0)
    return r * math.sin(t), r * math.cos(t)  # y grows southwards


X0, Y0 = conic(-24.5, 65.5)[0], conic(25.8, 71.2)[1]

# Magnifiers: centre (lon, lat), radius in pixels, factor at the centre.
MAGNIFIERS = [
    ((20.5, 42.6), 95.0, 1.75),  # the Balkans
    ((20.6, 42.4), 36.0, 1.6),  # Montenegro, Kosovo and Macedonia
    ((8.0, 48.5), 70.0, 1.35),  # the Alps and the Low Countries
    ((10.0, 56.0), 40.0, 1.3),  # Denmark
    ((35.5, 32.5), 45.0, 1.45),  # the Levant
    ((45.0, 41.5), 45.0, 1.3),  # the Caucasus
]


def plain(lon, lat):
    x, y = conic(lon, lat)
    return (x - X0) * SCALE + 130, (y - Y0) * SCALE + 28


def board(lon, lat):
    x, y = plain(lon, lat)
    for (clon, clat), radius, factor in MAGNIFIERS:
        cx, cy = plain(clon, clat)
        dx, dy = x - cx, y - cy
        # A gentle profile: the ring around a magnified area is squeezed by at most an eighth
        # of the magnification.
        d2 = (dx * dx + dy * dy) / (radius * radius)
        grow = 1 + (factor - 1) / (1 + d2)
        x, y = cx + dx * grow, cy + dy * grow
    # The conic's parallels sag in the middle: the south coast of the Mediterranean (Libya,
    # Egypt) is lifted onto the board, the sea above it narrowed.
    lift = LIFT * math.exp(-(((x - 470) / 260) ** 2)) * min(max((y - 430) / 200, 0), 1)
    return x, y - lift


# Strokes of land (territory) or sea (0) in degrees, with their width in board pixels.
STROKES = [
    # Norway's necks at Narvik and Skibotn, Ireland's at Donegal, Greece's at Corinth.
    (4, [(15.42, 67.4), (17.23, 68.51), (19.63, 69.15)], 7),
    (4, [(19.63, 69.15), (24.1, 69.22)], 6),
    (6, [(-8.08, 54.36), (-7.96, 54.86)], 3),
    (28, [(22.7, 37.89), (23.32, 38.37)], 6),
    # The Bosporus and the Dardanelles (Europe's Turkey a piece of its own), and the border of
    # Libya and Egypt (no neighbours).
    (0, [(29.09, 41.4), (28.93, 40.84)], 3),
    (0, [(26.15, 39.96), (26.75, 40.48)], 3),
    (0, [(25.13, 32.52), (24.99, 28.01), (24.81, 25.64), (24.7, 22.0)], 7),
]
# Sea lanes between points in degrees: Iceland to Norway, Zealand to Sweden, Sweden to Poland,
# Great Britain to France, Sicily to Tunisia, Crete to Egypt.
LANES = [
    (1, 4, (-16.24, 64.89), (7.62, 61.45)),
    (5, 2, (12.1, 55.55), (13.5, 55.9)),
    (2, 30, (15.6, 56.3), (16.8, 54.3)),
    (11, 7, (0.26, 51.37), (3.12, 50.38)),
    (14, 18, (13.69, 37.66), (9.96, 36.21)),
    (28, 38, (24.97, 35.25), (29.01, 30.47)),
]
# The extra pieces (territory, place): islands, Northern Ireland, Kaliningrad, Europe's Turkey;
# Madeira stands in the sea west of Portugal, nearer than it is.
SEEDS = [
    (2, "Gotland", 18.5, 57.45), (2, "Gotska Sandon", 19.2, 58.4), (3, "Aland", 19.95, 60.2),
    (5, "Zealand", 11.8, 55.45), (11, "Northern Ireland", -6.6, 54.65),
    (11, "Shetland", -1.3, 60.35), (11, "Fair Isle", -1.65, 59.53), (11, "Orkney", -3.0, 59.1),
    (11, "Lewis", -6.5, 58.25), (11, "North Uist", -7.3, 57.6), (11, "St Kilda", -8.58, 57.81),
    (11, "Tiree", -6.85, 56.5), (11, "Islay", -6.25, 55.75), (11, "Scilly", -6.35, 49.92),
    (11, "North Rona", -5.82, 59.12), (13, "Madeira", -12.5, 37.5), (14, "Sicily", 14.1, 37.5),
    (14, "Sardinia", 9.0, 40.0), (15, "Mallorca", 2.95, 39.6), (15, "Menorca", 4.1, 39.97),
    (15, "Ibiza", 1.4, 38.98), (28, "Crete", 24.9, 35.25), (28, "Lemnos", 25.25, 39.9),
    (28, "Lesbos", 26.25, 39.2), (28, "Chios", 26.0, 38.4), (28, "Samos", 26.8, 37.72),
    (28, "Naxos", 25.45, 37.05), (28, "Rhodes", 28.0, 36.2), (28, "Corfu", 19.85, 39.6),
    (28, "Kefalonia", 20.55, 38.25), (36, "Saaremaa", 22.5, 58.4), (36, "Ruhnu", 23.25, 57.8),
    (37, "Kaliningrad", 21.0, 54.75), (41, "Europe's Turkey", 27.3, 41.35),
]


def main():
    if sys.argv[1:] == ["--seeds"]:
        for t, name, lon, lat in SEEDS:
            x, y = board(lon, lat)
            print("seed %d %d %d %d %d %d %d  # %s" % (t, int(x * 0.7), int(y * 0.7), round(x),
                                                     round(y), int(x * 1.25), int(y * 1.25), name))
        return
    for territory, points, width in STROKES:
        for a, b in zip(points, points[1:]):
            (x1, y1), (x2, y2) = board(*a), board(*b)
            if territory:
                print("land %d %.0f %.0f %.0f %.0f %d" % (territory, x1, y1, x2, y2, width))
            else:
                print("sea %.0f %.0f %.0f %.0f %d" % (x1, y1, x2, y2, width))
    for a, b, p, q in LANES:
        (x1, y1), (x2, y2) = board(*p), board(*q)
        print("lane %d %d %.0f %.0f %.0f %.0f" % (a, b, x1, y1, x2, y2))
    for lat in range(72, 25, -3):
        for lon in range(-28, 66, 4):
            x, y = board(lon, lat)
            print("control %d %d %.1f %.1f" % (lon, lat, x, y))


if __name__ == "__main__":
    main()
