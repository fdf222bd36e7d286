#!/usr/bin/env python3
"""External player for quarvel-arene: plays at random, within the rules.

Always passes, discards six allowed cards at random, never shows a handful,
and plays a random card of `jouables`. The protocol is told in
docs/joueur-externe.md.

    quarvel-arene duel --externe-b "outils/joueurs/aleatoire.py --graine 7"
"""
import argparse
import json
import os
import random
import sys


def couleur(carte):
    return carte.rstrip("0123456789")


def permise_a_l_ecart(carte):
    # No trump (the Excuse is ATOUT22) and no king.
    return couleur(carte) != "ATOUT" and not carte.endswith("14")


class Joueur:
    def __init__(self, graine):
        self.hasard = random.Random(graine)
        self.etats = {}  # seat -> what this seat knows of the deal

    def traiter(self, msg):
        """Updates the seats' states; returns the reply to a question, else None."""
        genre, siege = msg.get("type"), msg.get("siege")
        if genre == "donne":
            self.etats[siege] = {"donne": msg.get("donne"), "main": list(msg.get("main", []))}
        elif genre == "enchere":
            return {"enchere": "PASSE"}
        elif genre == "ecart":
            return {"ecart": self.ecart(siege, msg.get("main", []))}
        elif genre == "poignee":
            return {"poignee": []}
        elif genre == "carte":
            jouables = msg.get("jouables") or [""]
            return {"carte": self.hasard.choice(jouables)}
        elif genre == "jouee" and siege in self.etats:
            # Removing, not counting: harmless if the same card is told twice.
            main = self.etats[siege]["main"]
            self.etats[siege]["main"] = [c for c in main if c != msg.get("carte")]
        return None

    def ecart(self, siege, main):
        main = list(dict.fromkeys(main))  # distinct cards, order kept for repeatable runs
        permises = [c for c in main if permise_a_l_ecart(c)]
        choix = self.hasard.sample(permises, min(6, len(permises)))
        if len(choix) < 6:  # no legal discard exists: the arena will replace it anyway
            choix += [c for c in main if c not in choix][:6 - len(choix)]
        etat = self.etats.setdefault(siege, {"donne": None, "main": []})
        etat["main"] = [c for c in main if c not in choix]
        return choix


def repondre(joueur, msg):
    try:
        return joueur.traiter(msg)
    except Exception as erreur:  # a bad message must not stop the player
        genre = msg.get("type")
        print(f"aleatoire: {genre}: {erreur!r}", file=sys.stderr)
        # A question still needs its one reply, or the arena would wait.
        defauts = {"enchere": {"enchere": "PASSE"}, "ecart": {"ecart": []},
                   "poignee": {"poignee": []}, "carte": {"carte": ""}}
        return defauts.get(genre)


def main():
    parseur = argparse.ArgumentParser(description="Random external player for quarvel-arene.")
    parseur.add_argument("--graine", type=int, default=1,
                         help="seed of the random generator (default 1: runs repeat)")
    arguments = parseur.parse_args()
    sys.stdin.reconfigure(encoding="utf-8", errors="replace")
    sys.stdout.reconfigure(encoding="utf-8", newline="\n")
    joueur = Joueur(arguments.graine)
    for ligne in sys.stdin:
        ligne = ligne.strip()
        if not ligne:
            continue
        try:
            msg = json.loads(ligne)
        except ValueError:
            print(f"aleatoire: unreadable line ignored: {ligne[:80]}", file=sys.stderr)
            continue
        if not isinstance(msg, dict):
            continue
        reponse = repondre(joueur, msg)
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
