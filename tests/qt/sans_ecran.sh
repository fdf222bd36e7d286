#!/usr/bin/env bash
# Without a display the program says so in one line and ends with status 1, with no crash dump:
# once with no display named at all, once with a display that does not answer.
# usage: sans_ecran.sh <quarvel executable>
set -u
programme=$1
prive=$(mktemp -d)
trap 'rm -rf "$prive"' EXIT
mkdir -m 700 "$prive/run"
attendu="quarvel: no display available (set DISPLAY or QT_QPA_PLATFORM)"
for cas in aucun muet; do
    if [ $cas = aucun ]; then
        sortie=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programme" 2>&1)
    else
        sortie=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:7351 XDG_RUNTIME_DIR="$prive/run" \
                 "$programme" 2>&1)
    fi
    statut=$?
    if [ $statut -ne 1 ] || [ "$sortie" != "$attendu" ]; then
        echo "FAIL ($cas): status $statut, output:"
        echo "$sortie"
        exit 1
    fi
done
echo "PASS"
