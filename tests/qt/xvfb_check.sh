#!/usr/bin/env bash
# The whole program under a virtual X display: it starts, shows its start-up screen with both
# buttons, "English version" leads to the table, the start button deals, a whole deal is played
# to its result and the review windows open, then the statistics and the high scores, the
# start-up screen and each of those windows centred on the screen to the pixel. Screenshots of each stage are left in the output folder.
# usage: xvfb_check.sh <quarvel executable> <output folder> [screen size, 1024x768 by default]
#        [language: en or fr, en by default]
set -uo pipefail
programme=$1
sortie=$2
taille=${3:-1024x768}
langue=${4:-en}
mkdir -p "$sortie"
prive=$(mktemp -d)
trap 'rm -rf "$prive"' EXIT
mkdir -m 700 "$prive/run"
mkdir "$prive/config"
journal="$sortie/xvfb-journal.txt"
prefixe="$sortie/xvfb"
rm -f "$prefixe"-*.png

XDG_RUNTIME_DIR="$prive/run" XDG_CONFIG_HOME="$prive/config" QUARVEL_SCENARIO="$prefixe" \
    QUARVEL_SCENARIO_LANGUE="$langue" \
    timeout 90 xvfb-run -a -s "-screen 0 ${taille}x24" "$programme" >"$journal" 2>&1
statut=$?
cat "$journal"
if [ $statut -ne 0 ]; then
    echo "FAIL: the program ended with status $statut"
    exit 1
fi
for etape in "start-up screen with both buttons" "start-up screen centred" "table shown" \
    "start button whole" \
    "first deal dealt" "whole deal played" "hands window centred" "tricks window centred" \
    "score sheet centred" "statistics window centred" "high-score window centred"; do
    if ! grep -q "quarvel-scenario: $etape: ok" "$journal"; then
        echo "FAIL: stage not reached: $etape"
        exit 1
    fi
done
for image in splash table donne fin mains plis score statistiques meilleurs-scores; do
    f="$prefixe-$image.png"
    if [ ! -s "$f" ] || [ "$(stat -c %s "$f")" -lt 2000 ]; then
        echo "FAIL: no screenshot $f"
        exit 1
    fi
done
echo "PASS: screenshots in $sortie"
