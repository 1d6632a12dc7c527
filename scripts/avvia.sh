#!/usr/bin/env bash
# Quick start: installs what is missing, builds and starts the program.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Nessuno schermo disponibile (DISPLAY non impostato): avviare da una sessione grafica, o provare con xvfb-run." >&2
  exit 1
fi
"$radice/scripts/prepara.sh" "$radice/build"
exec "$radice/build/orbetto"
