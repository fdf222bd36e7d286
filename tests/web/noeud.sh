#!/bin/sh
# The game compiled for node is the game: the bench's signature, and the monkey's window digest
# after every gesture equal to the native build's for the same seed.
# usage: noeud.sh <quarvel-arene.js> <native quarvel-arene>
set -eu
js=$1
natif=$2
node "$js" bench | grep -qx 'signature: 82c70866' || { echo "FAIL: bench signature under node"; exit 1; }
a=$(node "$js" singe --graine 2026 --gestes 50000 --empreinte 2>/dev/null | grep '^fenetres:')
b=$("$natif" singe --graine 2026 --gestes 50000 --empreinte 2>/dev/null | grep '^fenetres:')
[ -n "$a" ] && [ "$a" = "$b" ] || { echo "FAIL: monkey digests: node '$a', native '$b'"; exit 1; }
echo "PASS: node bench 82c70866, monkey $a as native"
