#!/usr/bin/env python3
"""External player for quarvel-arene: bids what its hand deserves.

Counts points in its 18 cards to choose a bid, discards the low cards of its
shortest suits, shows the largest handful it may, and plays the first card of
`jouables`. The protocol is told in docs/joueur-externe.md.

    quarvel-arene partie --externe "outils/joueurs/merite.py" --sieges 2,4
"""
import json
import os
import sys
from collections import Counter

ENCHERES = ["PASSE", "PRISE", "GARDE", "GARDE SANS", "GARDE CONTRE"]
SEUILS = [40, 56, 71, 81]  # points needed for PRISE, GARDE, GARDE SANS, GARDE CONTRE
HONNEURS = {14: 6, 13: 3, 12: 2, 11: 1}  # Roi, Dame, Cavalier, Valet
EXCUSE = "ATOUT22"
COULEURS = ("PIQUE", "COEUR", "TREFLE", "CARREAU")


def couleur(carte):
    return carte.rstrip("0123456789")


def valeur(carte):
    return int(carte[len(couleur(carte)):] or 0)


def est_atout(carte):
    return couleur(carte) == "ATOUT"


def evaluer(main):
    """Points of a hand: the higher, the higher the contract it may carry."""
    atouts = [valeur(c) for c in main if est_atout(c) and c != EXCUSE]
    nombre = len(atouts) + (EXCUSE in main)
    points = 2 * nombre + 2 * sum(1 for v in atouts if v >= 16)
    points += 2 * max(0, nombre - 8)  # past eight trumps, the defence runs out first
    points += 10 * (21 in atouts) + 8 * (EXCUSE in main)
    if 1 in atouts:
        points += 8 if nombre >= 6 else 4  # the Petit is only safe among many trumps
    for nom in COULEURS:
        valeurs = [valeur(c) for c in main if couleur(c) == nom]
        points += sum(HONNEURS.get(v, 0) for v in valeurs)
        points += 14 in valeurs and 13 in valeurs  # the queen guards the king
        if len(valeurs) >= 5:
            points += 2 * len(valeurs) - 5  # a long suit brings tricks once trumps are out
        if len(valeurs) <= 1 and nombre >= 5:
            points += 6 if not valeurs else 3  # short suits let the trumps cut
    return points


def rang(enchere):
    return ENCHERES.index(enchere) if enchere in ENCHERES else 0


def enchere(etat, msg):
    merite = sum(1 for s in SEUILS if evaluer(etat["main"]) >= s)
    meilleure = max((rang(e[1]) for e in msg.get("encheres", []) if len(e) == 2), default=0)
    return {"enchere": ENCHERES[merite] if merite > meilleure else "PASSE"}


def ecart(etat, msg):
    main = list(dict.fromkeys(msg.get("main", [])))  # distinct cards, order kept
    longueur = Counter(couleur(c) for c in main)
    permises = [c for c in main if not est_atout(c) and valeur(c) != 14]
    # Shortest suit first, a suit emptied before the next, low cards first: voids to cut.
    permises.sort(key=lambda c: (longueur[couleur(c)], couleur(c), valeur(c)))
    choix = permises[:6]
    if len(choix) < 6:  # no legal discard exists: the arena will replace it anyway
        choix += [c for c in main if c not in choix][:6 - len(choix)]
    etat["main"] = [c for c in main if c not in choix]
    return {"ecart": choix}


def poignee(etat, msg):
    main = etat["main"]
    atouts = sorted((c for c in main if est_atout(c) and c != EXCUSE), key=valeur, reverse=True)
    tailles = sorted((t for t in msg.get("tailles", []) if isinstance(t, int)), reverse=True)
    for taille in tailles:
        cartes = atouts[:taille]
        if len(cartes) == taille - 1 and EXCUSE in main:
            cartes.append(EXCUSE)  # the Excuse only stands in for a missing trump
        if len(cartes) == taille:
            return {"poignee": cartes}
    return {"poignee": []}


def carte(etat, msg):
    jouables = msg.get("jouables") or [""]
    return {"carte": jouables[0]}


QUESTIONS = {"enchere": enchere, "ecart": ecart, "poignee": poignee, "carte": carte}
# What to answer when a question cannot be handled: a reply is always due.
PAR_DEFAUT = {"enchere": {"enchere": "PASSE"}, "ecart": {"ecart": []},
              "poignee": {"poignee": []}, "carte": {"carte": ""}}


def traiter(msg, etats):
    """Updates the seats' states; returns the reply to a question, else None."""
    genre, siege = msg.get("type"), msg.get("siege")
    try:
        if genre == "donne":
            etats[siege] = {"main": list(msg.get("main", []))}
        elif genre == "jouee" and siege in etats:
            # Removing, not counting: harmless if the same card is told twice.
            etats[siege]["main"] = [c for c in etats[siege]["main"] if c != msg.get("carte")]
        elif genre in QUESTIONS:
            return QUESTIONS[genre](etats.setdefault(siege, {"main": []}), msg)
    except Exception as erreur:  # a bad message must not stop the player
        print(f"merite: {genre}: {erreur!r}", file=sys.stderr)
        if genre in QUESTIONS:  # a reply is due whatever happens
            jouables = msg.get("jouables")
            if genre == "carte" and isinstance(jouables, list) and jouables:
                return {"carte": jouables[0]}
            return PAR_DEFAUT[genre]
    return None


def main():
    sys.stdin.reconfigure(encoding="utf-8", errors="replace")
    sys.stdout.reconfigure(encoding="utf-8", newline="\n")
    etats = {}
    for ligne in sys.stdin:
        ligne = ligne.strip()
        if not ligne:
            continue
        try:
            msg = json.loads(ligne)
        except ValueError:
            print(f"merite: unreadable line ignored: {ligne[:80]}", file=sys.stderr)
            continue
        if not isinstance(msg, dict):
            continue
        reponse = traiter(msg, etats)
        if reponse is not None:
            sys.stdout.write(json.dumps(reponse, ensure_ascii=False, separators=(",", ":")) + "\n")
            sys.stdout.flush()  # the arena waits for this line


if __name__ == "__main__":
    try:
        main()
    except (BrokenPipeError, KeyboardInterrupt):
        # The arena is gone: stdout to nowhere, so that the exit flush cannot fail again.
        os.dup2(os.open(os.devnull, os.O_WRONLY), sys.stdout.fileno())
        sys.exit(0)
