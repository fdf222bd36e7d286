#!/usr/bin/env bash
# Brings the Debian packages the build needs; does nothing when they are all there.
set -euo pipefail
paquets=(cmake g++ make pkg-config python3 clang-format clang libclang-rt-14-dev
         libgtest-dev libgmock-dev libbenchmark-dev
         qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n qt6-pdf-dev libgl-dev nlohmann-json3-dev
         dpkg-dev lintian desktop-file-utils appstream
         fonts-dejavu-core xvfb xauth)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0
echo "Installation : ${manquants[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
