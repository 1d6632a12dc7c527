#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real Windows program under Wine, on the X screen of
# tests/windows/prova.sh with openbox as the window manager, driven with
# xdotool as a pupil drives it: the start screen, the menu, Form99a with
# bead presses, Form99c with the exchange, and a worksheet saved as PDF.
# Clicks are at scale 1, relative to the window in front. Screen captures go
# to $ORBETTO_CATTURE (default: the temporary folder).
#   tests/windows/programma.sh PROGRAM-FOLDER TEMP
set -uo pipefail
cartella="$1"
temp="$2"
source "$(dirname "${BASH_SOURCE[0]}")/comune.sh"
catture="${ORBETTO_CATTURE:-$temp/catture}"
mkdir -p "$catture"

openbox >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true' EXIT
sleep 1
t0=$(adesso)
(cd "$cartella" && exec wine orbetto.exe >"$temp/programma.log" 2>&1) &
disown  # ended by wineserver -k at the end, on purpose
finestra="$(timeout 60 xdotool search --sync --onlyvisible --name '^Orbetto$' 2>/dev/null | head -1)"
echo "prima finestra sotto Wine: $(($(adesso) - t0)) ms"
controlla "the start screen shows" '[ -n "$finestra" ]'
[ -n "$finestra" ] || { conteggio programma; exit 1; }
sleep 1

# The program's window in front, once the window manager has settled on it
# (right after a box closes the active window may still be the box).
davanti() {
  local w
  for _ in $(seq 50); do
    w="$(xdotool getactivewindow 2>/dev/null)"
    [ -n "$w" ] && xdotool getwindowname "$w" 2>/dev/null | grep -qix orbetto && { echo "$w"; return; }
    sleep 0.1
  done
}
clic() { xdotool mousemove --window "$(davanti)" "$1" "$2" click 1; sleep "${3:-0.3}"; }
cattura() { import -window root "$catture/$1.png"; }
# Pixels that differ between two captures, in a region (WxH+X+Y of the screen).
diversi() { compare -metric AE -crop "$3" "$catture/$1.png" "$catture/$2.png" null: 2>&1 | cut -d' ' -f1; }
# Back to the menu: F10 to the menu bar, Left round to its last item "Esci",
# Enter, then "Sì" (the bar's items move as the bar fits its width).
esci() { xdotool mousemove --window "$(davanti)" 300 300; xdotool key F10; sleep 0.3; xdotool key Left Return; sleep 1; xdotool key Return; sleep 1.5; }

cattura avvio
clic 307 381 1.5 # "Avvio"
cattura menu
controlla "Avvio opens the menu" '[ "$(diversi avvio menu 1024x768+0+0)" -gt 50000 ]'

clic 107 253 1.5 # decine e unità: "inserisci le palline" (Form99a), below the menu bar
cattura form99a-vuoto
for _ in 1 2 3; do clic 284 458 0.2; done # three units
for _ in 1 2; do clic 172 458 0.2; done   # two tens
sleep 0.5
cattura form99a
controlla "Form99a takes the beads pressed" '[ "$(diversi form99a-vuoto form99a 1024x768+0+0)" -gt 1500 ]'
esci
cattura menu-di-nuovo

clic 323 53 1.5 # "addizioni  con il cambio" (Form99c)
for _ in $(seq 12); do clic 352 447 0.15; done # twelve units
sleep 0.5
cattura form99c-dodici
clic 237 261 0.05 # "Cambio"
# Real screen captures while the exchange runs: it is seen as it happens.
fotogrammi=0
for n in $(seq 10); do cattura "cambio-$n"; sleep 0.25; done
sleep 2
cattura form99c-cambio
for n in $(seq 2 10); do
  [ "$(diversi "cambio-$((n - 1))" "cambio-$n" 1024x768+0+0)" -gt 200 ] && fotogrammi=$((fotogrammi + 1))
done
controlla "the exchange is seen moving ($fotogrammi changing frames)" '[ "$fotogrammi" -ge 2 ]'
controlla "after the exchange the rods differ from the twelve units" '[ "$(diversi form99c-dodici form99c-cambio 1024x768+0+0)" -gt 1500 ]'
esci

clic 107 253 1.5 # Form99a again, then its worksheet
clic 380 10 2    # "Stampa scheda"
cattura scheda
pdf="$temp/scheda di prova.pdf"
clic 242 10 2 # "Salva PDF"
dialogo="$(timeout 20 xdotool search --sync --onlyvisible --name '^Salva PDF$' 2>/dev/null | head -1)"
controlla "Salva PDF opens the file dialog" '[ -n "$dialogo" ]'
sleep 1
cattura dialogo
# The name box has the focus and the name the program proposes: replaced.
xdotool key Home shift+End Delete
xdotool type --delay 30 "$(winepath -w "$pdf")"
sleep 0.5
xdotool key Return
for _ in $(seq 40); do [ -s "$pdf" ] && break; sleep 0.5; done
sleep 1
cattura salvata
controlla "the worksheet is saved as PDF" '[ -s "$pdf" ]'
testo="$(pdftotext "$pdf" - 2>/dev/null | tr -s ' \n' ' ')"
controlla "pdftotext reads the worksheet's words" 'echo "$testo" | grep -q "Metti le palline sull.orbetto"'
wineserver -k
conteggio programma
