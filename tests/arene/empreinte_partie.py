#!/usr/bin/env python3
"""Pins every decision of whole deals: digests of `quarvel-arene partie` records.

usage: empreinte_partie.py QUARVEL_ARENE [--afficher] [--conseil]

Each case plays fixed deals through the game flow; the digest covers every field the game
decides. A changed digest means a changed decision: the change is wrong, not the value.
With --conseil, SUD asks the play advice before each card and discard: the digests must be
the very same, since asking changes nothing in the game.
"""
import hashlib
import json
import subprocess
import sys

# Fields hashed: the ones the game decides. A field added later to the records does not move
# the pins; a change to any of these does.
CHAMPS = ["donne", "premierParlant", "mains", "chien", "encheresMeritees", "candidats",
          "encheresAnnoncees", "preneur", "contrat", "ecart", "poignee", "plis",
          "pointsPreneur", "pointsDefense", "boutsPreneur", "pointsContrat", "petitAuBout",
          "score", "scoresGlobaux", "regles", "graineConnaissance", "graines"]

# (arguments, expected digest)
CAS = [
    (["--graine", "1", "--nombre", "1000", "--niveau", "4", "--adaptatif", "0"], "05086f5c1a8e56e5"),
    (["--graine", "2", "--nombre", "1000", "--niveau", "4", "--adaptatif", "1"], "82498b7100da560d"),
    (["--graine", "3", "--nombre", "500", "--niveau", "1", "--adaptatif", "0"], "f7b911f22e7855e3"),
    (["--graine", "4", "--nombre", "500", "--niveau", "2", "--niveau-sud", "0",
      "--adaptatif", "1"], "42b7c3cc6f26ff12"),
    (["--graine", "5", "--nombre", "500", "--niveau", "3", "--niveau-sud", "4",
      "--adaptatif", "1"], "da1d20d9da838e9b"),
]


def empreinte(arene, args):
    sortie = subprocess.run([arene, "partie", *args], check=True, capture_output=True,
                            text=True).stdout
    h = hashlib.sha256()
    n = 0
    for ligne in sortie.splitlines():
        rec = json.loads(ligne)
        manquants = [c for c in CHAMPS if c not in rec]
        if manquants:
            sys.exit(f"record {n + 1}: missing fields {manquants}")
        h.update(json.dumps([rec[c] for c in CHAMPS], separators=(",", ":")).encode())
        h.update(b"\n")
        n += 1
    return h.hexdigest()[:16], n


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    arene, afficher = sys.argv[1], "--afficher" in sys.argv[2:]
    conseil = ["--conseil"] if "--conseil" in sys.argv[2:] else []
    echecs = 0
    for args, attendu in CAS:
        valeur, n = empreinte(arene, args + conseil)
        etat = "ok" if valeur == attendu else "DIFFERENT"
        if afficher or valeur != attendu:
            print(f"{' '.join(args)}: {n} deals, digest {valeur} (expected {attendu}) {etat}")
        echecs += valeur != attendu
    print(f"digests: {len(CAS) - echecs} same, {echecs} different")
    return 1 if echecs else 0


if __name__ == "__main__":
    sys.exit(main())
