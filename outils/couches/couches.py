#!/usr/bin/env python3
"""The layers of the code and the includes between them.

usage: couches.py SOURCE_DIR [--verifier]

Prints, for each pair of layers, how many includes run from one to the other, and lists the
includes that run back up (from a lower layer to a higher one). With --verifier, exits 1 when one
does. The build refuses them too (each layer's library sees only the folders below it); this
also covers files no target compiles.
"""
import os
import re
import sys

# Lowest first: a layer may include its own headers and those of the layers below it.
COUCHES = ["cartes", "reglages", "donne", "encheres", "ia", "scores", "partie",
           "fenetres/modele", "vue", "outils"]


def couche(chemin):
    if chemin.startswith(("fenetres/qt/", "reglages/qt/", "fenetres/web/")):
        return "vue"
    for c in sorted(COUCHES, key=len, reverse=True):
        if chemin.startswith(c + "/"):
            return c
    return None


INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def includes(racine):
    for c in COUCHES:
        dossiers = ["fenetres/qt", "fenetres/web"] if c == "vue" else [c]
        for base, _, fichiers in (e for d in dossiers for e in os.walk(os.path.join(racine, d))):
            if "node_modules" in base.split(os.sep):
                continue
            for f in sorted(fichiers):
                if not f.endswith((".h", ".cpp", ".h.in")):
                    continue
                chemin = os.path.relpath(os.path.join(base, f), racine)
                if couche(chemin) != c and not (c == "vue" and couche(chemin) == "vue"):
                    continue
                with open(os.path.join(racine, chemin), encoding="utf-8") as fh:
                    for inc in INCLUDE.findall(fh.read()):
                        if couche(inc):
                            yield chemin, inc


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    racine = sys.argv[1]
    rang = {c: i for i, c in enumerate(COUCHES)}
    fleches, remontees = {}, []
    vus = set()
    for chemin, inc in includes(racine):
        if (chemin, inc) in vus:
            continue
        vus.add((chemin, inc))
        de, vers = couche(chemin), couche(inc)
        fleches[(de, vers)] = fleches.get((de, vers), 0) + 1
        if rang[vers] > rang[de]:
            remontees.append(f"{chemin} -> {inc}")
    for (de, vers), n in sorted(fleches.items(), key=lambda x: (rang[x[0][0]], rang[x[0][1]])):
        sens = "  UP" if rang[vers] > rang[de] else ""
        print(f"{de:16} -> {vers:16} {n:4}{sens}")
    print(f"includes running back up: {len(remontees)}")
    for r in remontees:
        print("  " + r)
    return 1 if "--verifier" in sys.argv and remontees else 0


if __name__ == "__main__":
    sys.exit(main())
