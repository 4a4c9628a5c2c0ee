#!/usr/bin/env python3
# Compares the neighbours of a drawn map text of a real place with its real regions: every pair
# of neighbours in the text must be regions whose land meets (<map>/neighbours.txt, from
# extract_regions.py) or a sea lane of its drawing.txt; prints the pairs that are neither, and
# the real contacts of some length that the drawing lost.
# Usage: check_neighbours.py <map dir> <map file.txt, or the territory lines a draft prints>
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_text_inputs import short_codes  # noqa: E402


def short_codes_of(pair, names):
    shorts = short_codes(names)
    return [shorts[names.index(name)] for name in pair]


def main():
    folder, text = sys.argv[1:3]
    names = [line.split()[1] for line in open(folder + "/territories.txt", encoding="utf-8")
             if line.startswith("t ")]
    codes = short_codes(names)
    real = {}
    for line in open(folder + "/neighbours.txt", encoding="utf-8"):
        words = line.split()
        if len(words) == 3 and not line.startswith("#"):
            real[frozenset(words[:2])] = int(words[2])
    lanes = set()
    for line in open(folder + "/drawing.txt", encoding="utf-8"):
        if line.startswith("lane "):
            lanes.add(frozenset(line.split()[1:3]))
    pairs = set()
    section = None
    for line in open(text, encoding="utf-8"):
        line = line.strip()
        if line.startswith("["):
            section = line
            continue
        words = line.split()
        # A draft prints its continent lines too ("bonus name members"): their names are longer
        # than any code.
        if section in ("[territories]", None) and line[:1].isdigit() and len(words[1]) <= 3:
            me = codes[int(words[0]) - 1]
            for other in words[4:]:
                pairs.add(frozenset((me, codes[int(other) - 1])))
    real = {frozenset(short_codes_of(p, names)): n for p, n in real.items()}
    unreal = [tuple(sorted(p)) for p in pairs if p not in real and p not in lanes]
    lost = [(tuple(sorted(p)), n) for p, n in real.items() if p not in pairs and n >= 10]
    print("%d pairs; not real (lanes aside): %s" % (len(pairs), sorted(unreal)))
    print("real contacts of 10 or more steps not drawn: %s" % sorted(lost))


main()
