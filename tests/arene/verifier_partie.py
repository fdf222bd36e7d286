#!/usr/bin/env python3
"""Reads `quarvel-arene partie` lines on stdin and checks each deal as a person could from the
record alone: the 78 cards, the winner of every trick, the 182 half points, the score and the
running scores that sum to zero. Usage: verifier_partie.py K."""
import json
import sys


def carte(nom):
    couleur = nom.rstrip("0123456789")
    return couleur, int(nom[len(couleur):])


def demi_points(nom):
    c, v = carte(nom)
    if c == "ATOUT":
        return 9 if v in (1, 21, 22) else 1
    return {14: 9, 13: 7, 12: 5, 11: 3}.get(v, 1)


def gagnant(cartes):
    w = 0
    for i in range(1, 4):
        (cw, vw), (ct, vt) = carte(cartes[w][1]), carte(cartes[i][1])
        excuse_w, excuse_t = (cw, vw) == ("ATOUT", 22), (ct, vt) == ("ATOUT", 22)
        if excuse_w or (not excuse_t and ((ct == cw and vt > vw) or (ct == "ATOUT" and cw != "ATOUT"))):
            w = i
    return cartes[w][0]


def arrondi_pair(demi):
    q, r = divmod(demi, 2)
    return q + 1 if r and q % 2 else q


def score(d):
    p = arrondi_pair(d["pointsPreneur"])
    gagne = p >= d["pointsContrat"]
    v = p - d["pointsContrat"] + (25 if gagne else -25)
    v += {0: 0, 1: 10, 2: -10}[d["petitAuBout"]]
    v *= {1: 1, 2: 2, 3: 4, 4: 6}[d["contrat"]]
    if d["poignee"]:
        v += (1 if gagne else -1) * (10 * d["poignee"] + 10)
    return 3 * v


def main():
    attendues = int(sys.argv[1])
    fautes, n, precedents = [], 0, [0, 0, 0, 0]
    for ligne in sys.stdin:
        d = json.loads(ligne)
        n += 1
        faute = lambda m: fautes.append(f"deal {d['donne']}: {m}")
        if sum(d["scoresGlobaux"]) != 0:
            faute("running scores do not sum to zero")
        if d["contrat"] == 0:
            if d["plis"] or d["scoresGlobaux"] != precedents:
                faute("a passed deal changed something")
            continue
        jouees = [c for p in d["plis"] for _, c in p["cartes"]]
        reste = d["ecart"] if d["contrat"] <= 2 else d["chien"]
        if len(d["plis"]) != 18 or len(set(jouees + reste)) != 78:
            faute("the 78 cards are not all there once")
        for t, p in enumerate(d["plis"]):
            if p["cartes"][0][0] != p["entame"] or gagnant(p["cartes"]) != p["gagnant"]:
                faute(f"trick {t + 1} has the wrong leader or winner")
            if t < 17 and d["plis"][t + 1]["entame"] != p["gagnant"]:
                faute(f"trick {t + 2} is not led by the winner of trick {t + 1}")
        if d["pointsPreneur"] + d["pointsDefense"] != 182:
            faute("card points do not make 182 half points")
        if d["score"] != score(d) or d["score"] == 0:
            faute(f"score {d['score']} instead of {score(d)}")
        attendu = [s - d["score"] // 3 for s in precedents]
        attendu[d["preneur"] - 1] = precedents[d["preneur"] - 1] + d["score"]
        if d["scoresGlobaux"] != attendu:
            faute("running scores do not follow the score")
        precedents = d["scoresGlobaux"]
    if n != attendues:
        fautes.append(f"{n} deals instead of {attendues}")
    for f in fautes[:20]:
        print("FAILED:", f)
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
