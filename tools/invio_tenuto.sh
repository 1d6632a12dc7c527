#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds Enter for 1.5 s on a wrong answer in every reading window and one
# result box of each arithmetic family, on a private X server with openbox
# (xdotool's keydown, the server's own auto-repeat), and prints the
# "Errati" of each; the screen after each hold goes to FOLDER/NAME.png.
# Windows and boxes are found by their names, never by positions.
#   tools/invio_tenuto.sh FOLDER [build folder] [window...]
# Needs xvfb, openbox, xdotool and imagemagick.
set -euo pipefail
cartella="$(mkdir -p "$1" && cd "$1" && pwd)"
build="${2:-$(dirname "$0")/../build}"
shift $(($# > 1 ? 2 : 1))
righe=()
for f in "$@"; do righe+=("invioTenutoUnaRisposta:$f"); done
ORBETTO_CATTURE="$cartella" bash "$(dirname "$0")/../tests/invio_x11.sh" "$build/tests/invio_x11" "${righe[@]}" 2>&1 |
  grep -E '^(QINFO|FAIL|   Actual|Totals)' | sed 's/^QINFO *: [^)]*) //'
