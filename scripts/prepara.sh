#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the program needs (only the missing ones),
# then configures and builds it in the given folder (default: build).
# Usage: scripts/prepara.sh [build-folder] [extra cmake arguments...]
#        scripts/prepara.sh --solo-pacchetti   (installs, builds nothing)
# ORBETTO_PACCHETTI_EXTRA names further packages (the tests' printing needs);
# ORBETTO_OBIETTIVI the targets to build (default: all).
set -euo pipefail

radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cartella="${1:-$radice/build}"
shift || true

pacchetti=(
  cmake g++ make pkg-config libspeechd-dev libcups2-dev libicu-dev
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n qt6-qpa-plugins
  fonts-comic-neue fonts-liberation
  speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  ${ORBETTO_PACCHETTI_EXTRA:-}
)
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
if [ "${#mancanti[@]}" -gt 0 ]; then
  echo "Installo: ${mancanti[*]}"
  sudo_=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
      echo "Servono i permessi di amministratore: eseguire come root, per esempio con  su -  e poi di nuovo questo comando." >&2
      exit 1
    }
    sudo_="sudo"
  fi
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi

[ "$cartella" = --solo-pacchetti ] && exit 0
cmake -S "$radice" -B "$cartella" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
# shellcheck disable=SC2086 # the targets are a list
cmake --build "$cartella" -j"$(nproc)" ${ORBETTO_OBIETTIVI:+--target $ORBETTO_OBIETTIVI}
