#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (and any named as arguments), only
# when one is missing.
set -euo pipefail
# clang with compiler-rt builds the sanitizer suite and the fuzz targets; llvm brings the
# symbolizer that turns their reports into file and line; lld links the test programs. Hunspell
# with the German dictionary checks the spelling; HTML Tidy checks the pages' markup;
# appstreamcli validates the metainfo.
packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-qpa-plugins libqt6svg6 breeze-icon-theme libgl-dev libtidy-dev fonts-dejavu-core xdg-utils libhunspell-dev hunspell-de-de appstream clang libclang-rt-14-dev llvm lld)
# Further packages a caller needs (the screenshots: a virtual display and a window manager).
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installiere fehlende Pakete: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
