"""The computer players' side of quarvel-arene: partie's trace of the play, duel, bench."""
import json
import re
import subprocess
import sys

arene = sys.argv[1]
fautes = []


def lancer(*args):
    return subprocess.run([arene, *args], check=True, capture_output=True, text=True).stdout


# partie: the rules fired and the random states of each card.
jouees = 0
for ligne in lancer("partie", "--graine", "5", "--nombre", "20", "--niveau-sud", "0",
                    "--adaptatif", "1", "--verifier").splitlines():
    d = json.loads(ligne)
    if not d["plis"]:
        if d["regles"] or d["graines"]:
            fautes.append("a deal all passed shows a play trace")
        continue
    jouees += 1
    if len(d["graines"]) != 18 or any(len(t) != 4 for t in d["graines"]):
        fautes.append("graines is not 18 tricks of 4 states")
    # SUD plays at random: his cards still have their state, the rules list has no SUD.
    if any(not (0 <= g < 2**32) for t in d["graines"] for g in t):
        fautes.append("a random state out of range")
    if any(len(p) != 2 or not 1 <= p[0] <= 74 or not 2 <= p[1] <= 4 for p in d["regles"]):
        fautes.append("bad [rule, seat] pair in %s" % d["regles"])
    if len(d["regles"]) > 54:
        fautes.append("more rules fired than computer cards")
    if not 0 <= d["graineConnaissance"] < 2**32:
        fautes.append("graineConnaissance out of range")
if jouees == 0:
    fautes.append("no deal was played")

# duel: the summary line.
sortie = lancer("duel", "--graine", "3", "--nombre", "40", "--niveau-a", "4", "--niveau-b", "0")
derniere = sortie.strip().splitlines()[-1]
if not re.fullmatch(r"A: -?\d+\.\d\d \+- \d+\.\d\d, B: -?\d+\.\d\d \+- \d+\.\d\d", derniere):
    fautes.append("duel's last line: %r" % derniere)

# duel on several threads: the same deals give the same means, whatever the split.
seuls = lancer("duel", "--graine", "5", "--nombre", "60", "--niveau-b", "2", "--fils", "1")
for fils in ("2", "7"):
    if lancer("duel", "--graine", "5", "--nombre", "60", "--niveau-b", "2", "--fils", fils) != seuls:
        fautes.append("duel --fils %s differs from --fils 1" % fils)

# bench: the same deals give the same signature.
signatures = {re.search(r"signature: ([0-9a-f]{8})", lancer("bench", "--nombre", "30")).group(1)
              for _ in range(2)}
if len(signatures) != 1:
    fautes.append("bench signatures differ: %s" % signatures)

for f in fautes:
    print("FAILED:", f)
sys.exit(1 if fautes else 0)
