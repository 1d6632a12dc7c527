# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tools that drive the real program under Xvfb: starts a
# private X screen (no window manager, so windows stand at 0,0 at scale 1)
# and the program on it, presses "Avvio", and stops both on exit.
# Needs $build (the build folder); sets $pid and $xvfb.
schermo=:$((90 + RANDOM % 100))
Xvfb "$schermo" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${pid:-0}" "${xvfb:-0}" 2>/dev/null || true; ${pulizia:-true}' EXIT
export DISPLAY="$schermo"
sleep 1
"$build/orbetto" >/dev/null 2>&1 &
pid=$!
sleep 1.5
clic() { xdotool mousemove "$1" "$2" click 1; sleep "${pausaClic:-0.15}"; }
clic 307 381 # "Avvio"
sleep 0.5
