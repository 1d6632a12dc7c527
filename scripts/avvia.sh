#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Quick start: installs what is missing, builds and starts the program.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Only the program and its sound module: the test command builds the rest.
ORBETTO_OBIETTIVI="orbetto orbetto_suoni" "$radice/scripts/prepara.sh" "$radice/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Programma pronto in build/orbetto, ma nessuno schermo è disponibile (DISPLAY non impostato): avviarlo da una sessione grafica." >&2
  exit 1
fi
exec "$radice/build/orbetto"
