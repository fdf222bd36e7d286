"""Reads the JSON lines of `quarvel-arene donnes` on stdin and checks each deal is whole."""
import json
import sys

ORDRE = ["ATOUT", "PIQUE", "COEUR", "TREFLE", "CARREAU"]
PAQUET = {f"{p}{v}" for p in ORDRE[1:] for v in range(1, 15)} | {f"ATOUT{v}" for v in range(1, 23)}


def cle(nom):
    prefixe = nom.rstrip("0123456789")
    valeur = int(nom[len(prefixe):])
    if nom == "ATOUT22":
        valeur = 0  # the Excuse sorts last among the trumps
    return (ORDRE.index(prefixe), -valeur)


attendu = int(sys.argv[1])
premier = None
lignes = [l for l in sys.stdin.read().splitlines() if l.strip()]
assert len(lignes) == attendu, f"{len(lignes)} lines, expected {attendu}"
for n, ligne in enumerate(lignes, 1):
    d = json.loads(ligne)
    assert d["donne"] == n
    assert len(d["mains"]) == 4 and all(len(m) == 18 for m in d["mains"])
    assert len(d["chien"]) == 6
    cartes = [c for m in d["mains"] for c in m] + d["chien"]
    assert set(cartes) == PAQUET and len(cartes) == 78, "not the 78 cards"
    for m in d["mains"] + [d["chien"]]:
        assert m == sorted(m, key=cle), f"not sorted: {m}"
    assert len(d["encheresMeritees"]) == 4 and all(0 <= e <= 4 for e in d["encheresMeritees"])
    assert d["candidats"] >= 1
    s = d["premierParlant"]
    assert premier is None or s == premier % 4 + 1, "first speaker must move on by one seat"
    premier = s
print(f"{attendu} deals checked")
