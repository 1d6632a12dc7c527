#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Real screen captures of one exchange in the real program under Xvfb, about
# every 0.1 s, put side by side in one strip; and the processor time the
# program spent during it.
#   tools/striscia_cambio.sh Form99c|Form99d OUT.png [build folder]
# Needs xvfb, openbox, xdotool and imagemagick; clicks at scale 1.
set -euo pipefail
finestra="$1"
uscita="$2"
build="${3:-$(dirname "$0")/../build}"
temp="$(mktemp -d)"
pulizia="rm -rf $temp"
source "$(dirname "$0")/programma_su_xvfb.sh"
case "$finestra" in
Form99c)
  clic 323 33 # "addizioni  con il cambio"
  sleep 0.5
  for _ in $(seq 12); do clic 352 427; done # twelve units
  ;;
Form99d)
  clic 323 117 # "sottrazioni   con il cambio"
  sleep 0.5
  for _ in $(seq 3); do clic 104 427; done # three tens
  for _ in $(seq 4); do clic 339 427; done # four units
  ;;
*) echo "finestra sconosciuta: $finestra" >&2; exit 2 ;;
esac
sleep 0.3
tick=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
prima=$(cpu)
inizio=$(date +%s.%N)
w="$(finestra)"
xdotool mousemove --window "$w" 237 261 click 1 # "Cambio"
n=0
while [ "$(echo "$(date +%s.%N) - $inizio < 6.0" | bc)" = 1 ]; do
  import -window "$w" "$temp/$(printf %03d $n).png"
  n=$((n + 1))
  sleep 0.1
done
dopo=$(cpu)
fine=$(date +%s.%N)
echo "$finestra: $n catture in $(echo "$fine - $inizio" | bc) s; CPU del programma $(echo "scale=3; ($dopo - $prima) / $tick" | bc) s"
# Only the rods and their beads, the part that changes.
montage "$temp"/*.png -crop 420x300+0+100 +repage -tile 10x -geometry 168x120+2+2 -background '#444' "$uscita"
