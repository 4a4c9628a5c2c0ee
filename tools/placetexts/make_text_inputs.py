#!/usr/bin/env python3
# Writes the inputs of a map text of a real place (<map>/map.txt) from what extract_regions.py
# made of its real regions (<map>/territories.txt, towns.txt) and a few lines of its own
# (<map>/drawing.txt: projection, box, codes, lanes, bridge, the spacing of towns kept, and
# `outvote` to drop the towns that stand among another region's). A territory cut from a shared outline is the land nearest to its seat and its towns
# ("cell" and "towns" lines), so that its borders follow the real region's; a territory made of
# whole countries names them ("area").
# Usage: make_text_inputs.py <map dir>
import os
import sys


def read(path):
    return [line.split() for line in open(path, encoding="utf-8")
            if line.strip() and not line.startswith("#")]


def short_codes(codes):
    # Codes of three characters for the inputs: names shortened (the first letter and two
    # more of the name, the first such pair not yet taken), numbers led by "D"; codes of
    # two or three letters (Romania's counties, Africa's countries) stay as they are.
    taken, out = set(), []
    for code in codes:
        if code.isdigit() or (len(code) == 2 and code[0].isdigit()):
            code = "D" + code
        elif len(code) > 3:
            name = code.upper()
            code = next(name[0] + name[i] + name[j] for i in range(1, len(name))
                        for j in range(i + 1, len(name))
                        if name[0] + name[i] + name[j] not in taken)
        taken.add(code)
        out.append(code)
    return out


def outvoted(territories):
    # Drops the towns that stand among another region's (fewer than three of their eight
    # nearest towns are their own): they would cut small enclaves out of their neighbours.
    points = [(p, k) for k, t in enumerate(territories) for p in t["towns"]]
    cells = {}
    for p, k in points:
        cells.setdefault((int(p[0] * 2), int(p[1] * 2)), []).append((p, k))
    keep = [[] for _ in territories]
    for p, k in points:
        cx, cy = int(p[0] * 2), int(p[1] * 2)
        near = [q for dx in (-1, 0, 1) for dy in (-1, 0, 1) for q in cells.get((cx + dx, cy + dy), ())]
        near.sort(key=lambda q: (q[0][0] - p[0]) ** 2 + (q[0][1] - p[1]) ** 2)
        if sum(1 for q in near[1:9] if q[1] == k) >= 3 or len(near) < 9:
            keep[k].append(p)
    for t, mine in zip(territories, keep):
        t["towns"] = mine


def main():
    folder = sys.argv[1]
    head = [line.rstrip("\n") for line in open(os.path.join(folder, "drawing.txt"),
                                                  encoding="utf-8")]
    spacing, outvote = 0.0, False
    for line in head:
        words = line.split()
        if words and words[0] == "spacing":
            spacing = float(words[1])
        outvote = outvote or words == ["outvote"]
    head = [line for line in head if not line.startswith("spacing") and line != "outvote"]
    kind, continents, territories = None, {}, []
    for words in read(os.path.join(folder, "territories.txt")):
        if words[0] == "country":
            kind = words[1]
        elif words[0] == "continent":
            continents[int(words[1])] = words[2]
        elif words[0] == "t":
            territories.append({"code": words[1], "continent": int(words[2]),
                                "seat": words[3].split("/")[0], "land": words[4].split(","),
                                "towns": []})
    current = None
    for words in read(os.path.join(folder, "towns.txt")):
        if words[0] == "territory":
            current = territories[int(words[1]) - 1]
            current["at"] = (int(words[4]) / 100, int(words[5]) / 100)
        elif words[0] == "towns":
            v = [int(w) / 100 for w in words[1:]]
            current["towns"] += list(zip(v[0::2], v[1::2]))
    whole = kind == "Africa"
    if outvote:
        outvoted(territories)
    for t, short in zip(territories, short_codes([t["code"] for t in territories])):
        t["short"] = short

    lines = list(head)
    for k in sorted(continents):
        lines += ["", "continent %s" % continents[k]]
        for t in territories:
            if t["continent"] != k:
                continue
            code = t["short"]
            if whole:
                lines.append("area %s %s %s" % (code, t["seat"], " ".join(t["land"])))
                continue
            name = t["code"] if len(t["code"]) > 3 else t["seat"]
            lines.append("cell %s %s %.2f %.2f" % (code, name, t["at"][0], t["at"][1]))
            # The towns, thinned: none nearer than `spacing` to one already kept (or the seat).
            kept = [t["at"]]
            for p in t["towns"]:
                if all((p[0] - q[0]) ** 2 + (p[1] - q[1]) ** 2 >= spacing ** 2 for q in kept):
                    kept.append(p)
            for i in range(1, len(kept), 10):
                lines.append("towns %s %s" % (code, " ".join("%.2f %.2f" % p
                                                             for p in kept[i:i + 10])))
    with open(os.path.join(folder, "map.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
