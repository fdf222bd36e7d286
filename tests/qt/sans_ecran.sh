#!/usr/bin/env bash
# Without a display the program says so in one line and ends with status 1, with no crash dump:
# once with no display named at all, once with a display that does not answer. Its options need
# no display: --help and --version in the environment's language, anything else (an extra
# argument too) refused in one line with status 2.
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
sans() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL -u LC_MESSAGES "$@"; }
verifier() { # expected status, pattern of the whole output, command...
    local statut=$1 motif=$2
    shift 2
    sortie=$("$@" 2>&1)
    local s=$?
    if [ $s -ne "$statut" ] || ! [[ "$sortie" =~ $motif ]]; then
        echo "FAIL: $*: status $s, output:"
        echo "$sortie"
        exit 1
    fi
}
verifier 0 '^quarvel [0-9.]+' sans LANG=C "$programme" --version
verifier 0 '^Usage: quarvel .*--version' sans LANG=en_GB.UTF-8 "$programme" --help
verifier 0 '^Usage : quarvel .*affiche la version' sans LANG=fr_FR.UTF-8 "$programme" -h
verifier 2 "^quarvel: unknown option '--plein-ecran'; 'quarvel --help' lists the options\.$" \
    sans LANG=C "$programme" --plein-ecran
verifier 2 '^quarvel : option inconnue « partie » ; « quarvel --help » donne les options\.$' \
    sans LANG=fr_BE "$programme" partie
# An argument after a good option is refused all the same, before the option is obeyed.
verifier 2 "^quarvel: unknown option 'extra'; 'quarvel --help' lists the options\\.$" \
    sans LANG=C "$programme" --version extra
verifier 2 "^quarvel: unknown option '--bogus'; 'quarvel --help' lists the options\\.$" \
    sans LANG=C "$programme" --help --bogus
verifier 2 "^quarvel: one option at a time; 'quarvel --help' lists the options\\.$" \
    sans LANG=C "$programme" -h --version
echo "PASS"
