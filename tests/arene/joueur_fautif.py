#!/usr/bin/env python3
"""An external player that plays the first legal choice, except for one fault, made at the first
chance: python3 joueur_fautif.py FAULT (see FAUTES)."""
import json
import sys
import time

FAUTES = ["carte-illegale", "carte-absente", "nom-inconnu", "enchere-fausse", "ecart-sept",
          "ecart-interdit", "poignee-interdite", "json-casse", "ligne-2mo", "silence", "sortie"]
faute = sys.argv[1]
faite = False
mains = {}


def repondre(objet):
    sys.stdout.write(json.dumps(objet) + "\n")
    sys.stdout.flush()


def une_fois(question):
    global faite
    if faite:
        return False
    faite = faute in question
    return faite


for ligne in sys.stdin:
    m = json.loads(ligne)
    t = m["type"]
    if t == "donne":
        mains[m["siege"]] = list(m["main"])
    elif t == "jouee" and m["carte"] in mains.get(m["siege"], []):
        mains[m["siege"]].remove(m["carte"])
    elif t == "enchere":
        meilleure = max([["PASSE", "PRISE", "GARDE", "GARDE SANS", "GARDE CONTRE"].index(b)
                         for _, b in m["encheres"]] + [0])
        if meilleure >= 1 and une_fois({"enchere-fausse"}):
            repondre({"enchere": "PRISE"})  # not above a bid already made
        else:
            repondre({"enchere": "PRISE" if meilleure == 0 else "PASSE"})
    elif t == "ecart":
        libres = [c for c in m["main"] if not c.startswith("ATOUT") and not c.endswith("14")]
        if une_fois({"ecart-sept"}):
            repondre({"ecart": libres[:7]})
        elif une_fois({"ecart-interdit"}):
            repondre({"ecart": [c for c in m["main"] if c.startswith("ATOUT")][:1] + libres[:5]})
        else:
            repondre({"ecart": libres[:6]})
    elif t == "poignee":
        atouts = [c for c in mains[m["siege"]] if c.startswith("ATOUT")]
        repondre({"poignee": atouts[:9] if une_fois({"poignee-interdite"}) else []})
    elif t == "carte":
        main = mains[m["siege"]]
        if len(m["jouables"]) < len(main) and une_fois({"carte-illegale"}):
            repondre({"carte": next(c for c in main if c not in m["jouables"])})
        elif une_fois({"carte-absente"}):
            repondre({"carte": next(c for c in ["ATOUT1", "ATOUT2", "PIQUE1"] if c not in main)})
        elif une_fois({"nom-inconnu"}):
            repondre({"carte": "ATOUT23"})
        elif une_fois({"json-casse"}):
            sys.stdout.write('{"carte": "PIQUE1\n')
            sys.stdout.flush()
        elif une_fois({"ligne-2mo"}):
            sys.stdout.write("x" * (2 << 20) + "\n")
            sys.stdout.flush()
        elif une_fois({"silence"}):
            time.sleep(3600)
        elif une_fois({"sortie"}):
            sys.exit(0)
        else:
            repondre({"carte": m["jouables"][0]})
