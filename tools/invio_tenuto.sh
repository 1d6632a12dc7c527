#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds Enter for 1.5 s on a wrong answer in the real program under Xvfb and
# saves a picture of the window afterwards (its "Errati" counter).
#   tools/invio_tenuto.sh F9999b|Form99b1 OUT.png [build folder]
# Needs xvfb, openbox, xdotool and imagemagick.
set -euo pipefail
finestra="$1"
uscita="$2"
build="${3:-$(dirname "$0")/../build}"
pausaClic=0.5
source "$(dirname "$0")/programma_su_xvfb.sh"
case "$finestra" in
F9999b) clic 527 149; risposta=12345 ;;
Form99b1) clic 108 275; risposta=ZZZ ;;
*) echo "finestra sconosciuta: $finestra" >&2; exit 2 ;;
esac
xdotool type --delay 80 "$risposta"
xdotool keydown Return
sleep 1.5
xdotool keyup Return
sleep 0.5
import -window "$(finestra)" "$uscita"
