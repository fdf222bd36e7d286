#!/usr/bin/env bash
# The Debian package, built from the build folder's install rules and checked with the tools of
# the conventions it follows; then unpacked away from any prefix, it starts under a virtual
# display, shows its start-up screen and finds its help pages.
# usage: verifier_paquet.sh <build folder>
set -uo pipefail
build=$1
prive=$(mktemp -d)
trap 'rm -rf "$prive"' EXIT
echec() { echo "FAIL: $*"; exit 1; }

cmake --build "$build" --target capture_paquet >"$prive/capture.txt" 2>&1 ||
    { cat "$prive/capture.txt"; echec "the screenshot under Xvfb"; }
cpack -G DEB -B "$prive/paquet" --config "$build/CPackConfig.cmake" >"$prive/cpack.txt" 2>&1 ||
    { cat "$prive/cpack.txt"; echec "cpack"; }
deb=$(ls "$prive"/paquet/quarvel_*_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || echec "no quarvel_<version>_<arch>.deb"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends

contenu=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for f in usr/games/quarvel usr/games/quarvel-arene usr/share/quarvel/quarvelfr.html \
    usr/share/quarvel/quarvelus.html usr/share/applications/quarvel.desktop \
    usr/share/icons/hicolor/scalable/apps/quarvel.svg \
    usr/share/metainfo/fr.ostravin.quarvel.metainfo.xml usr/share/man/man6/quarvel.6.gz \
    usr/share/man/man6/quarvel-arene.6.gz usr/share/doc/quarvel/copyright \
    usr/share/quarvel/capture.png; do
    grep -qx "./$f" <<<"$contenu" || echec "the package lacks $f"
done

racine="$prive/racine"
dpkg-deb -x "$deb" "$racine" || echec "dpkg-deb -x"
desktop-file-validate "$racine/usr/share/applications/quarvel.desktop" || echec "desktop-file-validate"
appstreamcli validate --no-net "$racine/usr/share/metainfo/fr.ostravin.quarvel.metainfo.xml" ||
    echec "appstreamcli validate"
lintian --no-tag-display-limit "$deb" >"$prive/lintian.txt" 2>&1
cat "$prive/lintian.txt"
grep -q '^E: ' "$prive/lintian.txt" && echec "lintian reports errors"

# Moved out of any prefix, the program still finds what it needs.
mkdir -m 700 "$prive/run" "$prive/config"
journal="$prive/journal.txt"
XDG_RUNTIME_DIR="$prive/run" XDG_CONFIG_HOME="$prive/config" QUARVEL_SCENARIO="$prive/xvfb" \
    timeout 90 xvfb-run -a -s "-screen 0 1024x768x24" "$racine/usr/games/quarvel" >"$journal" 2>&1
statut=$?
[ $statut -eq 0 ] || { cat "$journal"; echec "the unpacked program ended with status $statut"; }
for etape in "start-up screen with both buttons" "table shown" "help pages found"; do
    grep -q "quarvel-scenario: $etape: ok" "$journal" || { cat "$journal"; echec "not reached: $etape"; }
done
grep -q "quarvel-scenario: help page $racine/usr/share/quarvel/" "$journal" ||
    { grep "help page" "$journal"; echec "the help pages were not the package's own"; }
echo "PASS"
