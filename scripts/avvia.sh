#!/usr/bin/env bash
# Quick start: installs what is missing, builds and starts the program.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$radice/scripts/prepara.sh" "$radice/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Programma pronto in build/orbetto, ma nessuno schermo è disponibile (DISPLAY non impostato): avviarlo da una sessione grafica." >&2
  exit 1
fi
exec "$radice/build/orbetto"
