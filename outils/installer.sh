#!/usr/bin/env bash
# Brings what the build needs, Debian packages and the web view's npm packages (pinned by its
# lock file); does nothing when they are all there.
set -euo pipefail
cd "$(dirname "$0")/.."
paquets=(cmake g++ make pkg-config python3 clang-format clang libclang-rt-14-dev
         libgtest-dev libgmock-dev libbenchmark-dev
         qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n qt6-pdf-dev libgl-dev nlohmann-json3-dev
         dpkg-dev lintian desktop-file-utils appstream
         fonts-dejavu-core xvfb xauth
         emscripten node-acorn librsvg2-bin chromium)
# Node and npm: the machine's own when it has them, else Debian's.
command -v node > /dev/null || paquets+=(nodejs)
command -v npm > /dev/null || paquets+=(npm)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installation : ${manquants[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
# The web view's tools, as its lock file pins them; the browser is Debian's, never downloaded.
web=fenetres/web
if [ ! -f "$web/node_modules/.package-lock.json" ] || [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
    echo "npm ci ($web)"
    (cd "$web" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi
