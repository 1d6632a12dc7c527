#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The tree a screen reader (Orca, through AT-SPI) sees of Form99a and
# Form99c in the real program under Xvfb.
#   tools/albero_accessibile.sh [build folder]
# Needs xvfb, xdotool, dbus, at-spi2-core and python3-pyatspi.
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
strumenti="$(cd "$(dirname "$0")" && pwd)"
exec dbus-run-session -- bash -s "$build" "$strumenti" <<'DENTRO'
set -euo pipefail
build="$1"; strumenti="$2"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 0.5
schermo=:$((90 + RANDOM % 100))
Xvfb "$schermo" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$schermo" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
sleep 1
for finestra in Form99a Form99c; do
  "$build/orbetto" >/dev/null 2>&1 &
  pid=$!
  sleep 1.5
  xdotool mousemove 307 381 click 1 # "Avvio"
  sleep 0.6
  if [ "$finestra" = Form99a ]; then xdotool mousemove 108 233 click 1; else xdotool mousemove 323 33 click 1; fi
  sleep 0.8
  echo "== $finestra"
  /usr/bin/python3 "$strumenti/albero_accessibile.py" orbetto || true
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
kill "$xvfb"
DENTRO
