#!/bin/sh
# Every bad command line ends with status 2 and one line on stderr.
arene="$1"
echec=0
verifier() {
    err=$("$arene" "$@" 2>&1 >/dev/null)
    status=$?
    lignes=$(printf '%s\n' "$err" | wc -l)
    if [ "$status" -ne 2 ] || [ -z "$err" ] || [ "$lignes" -ne 1 ]; then
        echo "FAILED: quarvel-arene $* -> status $status, stderr: $err"
        echec=1
    fi
}
verifier
verifier inconnu
verifier donnes --inconnue
verifier donnes --graine
verifier donnes --graine abc
verifier donnes --graine 4294967296
verifier donnes --graine -1
verifier donnes --nombre 0
verifier donnes --nombre 2x
verifier donnes --force 7
verifier donnes --force 0
verifier donnes --graine 1 --graine 2
verifier donnes 12
verifier partie --niveau 6
verifier partie --nombre 0
verifier partie --verifier 3
verifier partie --niveau-sud 6
verifier partie --adaptatif 2
verifier duel --niveau-a 6
verifier duel --niveau-b -1
verifier duel --mondes 0
verifier singe --niveau 6
verifier singe --niveau 0
verifier duel --nombre 0
verifier duel --adaptatif oui
verifier duel --fils 0
verifier partie --sieges 2
verifier partie --externe true --sieges 1,1
verifier partie --externe true --sieges 5
verifier bench --niveau 9
verifier bench --graine 3
"$arene" --help >/dev/null || { echo "FAILED: --help"; echec=1; }
"$arene" donnes --help >/dev/null || { echo "FAILED: donnes --help"; echec=1; }
"$arene" partie --help >/dev/null || { echo "FAILED: partie --help"; echec=1; }
for mode in duel bench; do
    "$arene" $mode --help >/dev/null || { echo "FAILED: $mode --help"; echec=1; }
done
LANG=C "$arene" --version | grep -q '^quarvel-arene [0-9.]*$' || { echo "FAILED: --version"; echec=1; }
exit $echec
