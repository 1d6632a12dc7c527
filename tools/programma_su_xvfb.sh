# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tools that drive the real program under Xvfb: starts a
# private X screen with a window manager (openbox, as on a school PC) and
# the program on it, presses "Avvio", and stops all three on exit.
# Clicks are at scale 1, relative to the program's window in front, wherever
# it was placed. Needs $build (the build folder); sets $pid and $xvfb.
schermo=:$((90 + RANDOM % 100))
Xvfb "$schermo" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${pid:-0}" "${wm:-0}" "${xvfb:-0}" 2>/dev/null || true; ${pulizia:-true}' EXIT
export DISPLAY="$schermo"
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$build/orbetto" >"${registro:-/dev/null}" 2>&1 &
pid=$!
sleep 1.5
# The program's newest visible window (the one in front).
finestra() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -1; }
clic() { xdotool mousemove --window "$(finestra)" "$1" "$2" click 1; sleep "${pausaClic:-0.15}"; }
clic 307 381 # "Avvio"
sleep 0.5
