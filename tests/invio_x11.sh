#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs invio_x11 on a private X server with a window manager, as on a
# school PC:  invio_x11.sh PROGRAM [test arguments...]
# Fails, never skips, when the tools are missing.
set -euo pipefail
for c in Xvfb xvfb-run openbox xdotool; do
  command -v "$c" >/dev/null || {
    echo "invio_x11: manca $c (scripts/prova.sh installa xvfb, openbox e xdotool)" >&2
    exit 1
  }
done
exec xvfb-run -a -s "-screen 0 1366x768x24 -nolisten tcp" bash -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 0.5
  QT_QPA_PLATFORM=xcb "$@"
  esito=$?
  kill "$wm" 2>/dev/null || true
  exit "$esito"' invio_x11 "$@"
