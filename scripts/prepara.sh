#!/usr/bin/env bash
# Installs the Debian packages the program needs (only the missing ones),
# then configures and builds it in the given folder (default: build).
# Usage: scripts/prepara.sh [build-folder] [extra cmake arguments...]
# ORBETTO_PACCHETTI_EXTRA names further packages (the tests' printing needs).
set -euo pipefail

radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cartella="${1:-$radice/build}"
shift || true

pacchetti=(
  cmake g++ make
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n qt6-qpa-plugins
  fonts-comic-neue fonts-liberation
  ${ORBETTO_PACCHETTI_EXTRA:-}
)
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
if [ "${#mancanti[@]}" -gt 0 ]; then
  echo "Installo: ${mancanti[*]}"
  sudo_=""
  [ "$(id -u)" -eq 0 ] || sudo_="sudo"
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi

cmake -S "$radice" -B "$cartella" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$cartella" -j"$(nproc)"
