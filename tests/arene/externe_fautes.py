"""quarvel-arene against external players: the two examples play whole duels, and every kind of
bad reply gives its message, never a crash. Usage: externe_fautes.py ARENE SOURCES"""
import re
import subprocess
import sys

arene, sources = sys.argv[1], sys.argv[2]
fautes = []


def duel(commande, nombre, *options):
    return subprocess.run([arene, "duel", "--graine", "7", "--nombre", str(nombre), "--fils", "2",
                           "--externe-b", commande, *options],
                          capture_output=True, text=True, errors="replace", timeout=300)


for joueur in ("aleatoire", "merite"):
    r = duel("python3 %s/outils/joueurs/%s.py" % (sources, joueur), 100)
    derniere = r.stdout.strip().splitlines()[-1] if r.stdout.strip() else ""
    if r.returncode != 0 or not derniere.endswith("external faults: 0"):
        fautes.append("%s: status %d, %r, %s" % (joueur, r.returncode, derniere, r.stderr[-300:]))

# Through the game's own flow, at seats of their choice, SUD included: checked records.
for joueur, sieges in (("merite", "2,4"), ("aleatoire", "1,3")):
    r = subprocess.run([arene, "partie", "--graine", "5", "--nombre", "40", "--verifier",
                        "--externe", "python3 %s/outils/joueurs/%s.py" % (sources, joueur),
                        "--sieges", sieges], capture_output=True, text=True, timeout=300)
    if r.returncode != 0 or len(r.stdout.splitlines()) != 40 or \
            "external faults: 0" not in r.stderr:
        fautes.append("partie %s %s: status %d, %s" % (joueur, sieges, r.returncode,
                                                      r.stderr[-300:]))
r = subprocess.run([arene, "partie", "--graine", "5", "--nombre", "60", "--externe",
                    "python3 %s/tests/arene/joueur_fautif.py ecart-interdit" % sources,
                    "--sieges", "2,3,4"], capture_output=True, text=True, timeout=300)
if r.returncode != 0 or "a trump or a Roi may not go to the discard" not in r.stderr:
    fautes.append("partie, a computer taker's discard: status %d, %s" % (r.returncode,
                                                                        r.stderr[-300:]))

# A reply the rules do not allow is reported, replaced, counted; the run goes on.
raisons = {
    "carte-illegale": "a card the rules do not allow here",
    "carte-absente": "a card the seat does not hold",
    "nom-inconnu": "an unknown card name",
    "enchere-fausse": "not above the best bid so far",
    "ecart-sept": "not six cards",
    "ecart-interdit": "a trump or a Roi may not go to the discard",
    "poignee-interdite": "not a size this hand may show",
    "json-casse": "not a card",
    "ligne-2mo": "a reply of 1 MB or more",
}
for faute, raison in raisons.items():
    r = duel("python3 %s/tests/arene/joueur_fautif.py %s" % (sources, faute), 400)
    compte = re.search(r"external faults: (\d+)$", r.stdout.strip())
    if r.returncode != 0 or not compte or int(compte.group(1)) < 1 or raison not in r.stderr:
        fautes.append("%s: status %d, %r, %s" % (faute, r.returncode, r.stdout[-120:],
                                                  r.stderr[-300:]))

# A program that leaves or goes silent ends the run with status 3 and one clear line.
for faute, raison in (("silence", "stayed silent for 1 s"), ("sortie", "has exited")):
    r = duel("python3 %s/tests/arene/joueur_fautif.py %s" % (sources, faute), 50,
             "--delai-externe", "1")
    if r.returncode != 3 or raison not in r.stderr:
        fautes.append("%s: status %d, %s" % (faute, r.returncode, r.stderr[-300:]))

for f in fautes:
    print("FAIL:", f)
sys.exit(1 if fautes else 0)
