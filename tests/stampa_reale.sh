#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Real printing: a private CUPS server with a PDF queue as the default
# printer, a worksheet printed through the program's own print path, and the
# PDF read back with pdftotext. Usage: stampa_reale.sh PROGRAM
set -euo pipefail
programma="$1"
if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null || ! command -v pdftotext >/dev/null; then
  echo "CUPS or poppler-utils missing: skipped"
  exit 77
fi
base="$(mktemp -d /tmp/orbetto-cups.XXXXXX)"
mkdir -p "$base"/{conf/ppd,spool/tmp,stato,cache,log,out}
chmod -R 777 "$base"
cat > "$base/conf/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $base/conf
RequestRoot $base/spool
TempDir $base/spool/tmp
StateDir $base/stato
CacheDir $base/cache
AccessLog $base/log/access_log
ErrorLog $base/log/error_log
PageLog $base/log/page_log
Sandboxing Relaxed
CONF
cat > "$base/conf/cupsd.conf" <<CONF
Listen $base/cups.sock
LogLevel warn
WebInterface No
Browsing Off
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cupsd -c "$base/conf/cupsd.conf" -s "$base/conf/cups-files.conf" -f &
pid=$!
fine() { kill -CONT "$pid" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$base"; }
trap fine EXIT
[ -n "${ORBETTO_CUPS_TIENI:-}" ] && trap "kill $pid" EXIT
export CUPS_SERVER="$base/cups.sock"
for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
lpadmin -p OrbettoPDF -E -v "file://$base/out/stampa.pdf" -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>/dev/null
lpadmin -d OrbettoPDF

errori=0
for cosa in scheda foglio correzione; do
  rm -f "$base/out/stampa.pdf"
  QT_QPA_PLATFORM=offscreen "$programma" "$cosa" > "$base/atteso.txt"
  # Wait for the queue to empty and the PDF to be written.
  for _ in $(seq 300); do
    [ -z "$(lpstat -o 2>/dev/null)" ] && [ -s "$base/out/stampa.pdf" ] && break
    sleep 0.1
  done
  [ -s "$base/out/stampa.pdf" ] || { echo "FAIL: $cosa: no PDF was printed"; exit 1; }
  cp "$base/out/stampa.pdf" "$base/$cosa.pdf"
  pdftotext -raw "$base/$cosa.pdf" - | tr -d ' \n' > "$base/testo.txt"
  while read -r chiave valore; do
    case "$chiave" in
      c) grep -qF -- "$valore" "$base/testo.txt" || { echo "FAIL: $cosa: '$valore' is not in the PDF"; errori=1; } ;;
      righe) limite=$([ "$cosa" = correzione ] && echo 91 || echo 101)
             [ "$valore" -le "$limite" ] || { echo "FAIL: $cosa: a line of $valore characters"; errori=1; } ;;
      ms|kb) echo "$cosa printed: $chiave $valore" ;;
    esac
  done < "$base/atteso.txt"
  echo "$cosa: $(pdfinfo "$base/$cosa.pdf" | awk '/^Pages:/ {print $2}') page(s), $(grep -c '^c ' "$base/atteso.txt") pieces checked"
done
[ -n "${ORBETTO_PDF:-}" ] && cp "$base"/*.pdf "$ORBETTO_PDF"/

# A queue that refuses jobs: every sheet reported as not printed and kept;
# accepting again, the three are sent again and printed.
cupsreject OrbettoPDF
QT_QPA_PLATFORM=offscreen ORBETTO_STAMPANTE=OrbettoPDF timeout 90 "$programma" rifiutate > "$base/rifiutate.txt" || true
cupsaccept OrbettoPDF
rifiutate=$(awk '/^esiti/ {$1=""; print substr($0, 2)}' "$base/rifiutate.txt")
respinte=$(awk '/^respinte/ {print $2}' "$base/rifiutate.txt")
dopo=$(awk '/^dopo/ {print $2}' "$base/rifiutate.txt")
echo "refused queue: ${respinte:-?} kept, outcomes '${rifiutate}', ${dopo:-?} not out after accepting"
[ "$rifiutate" = "2 2 2 0 0 0" ] && [ "$respinte" = 3 ] && [ "$dopo" = 0 ] \
  || { echo "FAIL: rifiutate: not three refused, kept and then printed"; errori=1; }

# The print server stalls: "Stampa" and the next click still answer at once,
# and the program ends within seconds, leaving the job behind.
kill -STOP "$pid"
inizio=$(date +%s%N)
QT_QPA_PLATFORM=offscreen timeout 30 "$programma" fermo > "$base/fermo.txt" || { echo "FAIL: fermo: the program did not end"; errori=1; }
durata=$(( ($(date +%s%N) - inizio) / 1000000 ))
kill -CONT "$pid"
consegna=$(awk '/^consegna/ {print $2}' "$base/fermo.txt")
risposta=$(awk '/^risposta/ {print $2}' "$base/fermo.txt")
echo "stalled server: Stampa held the window ${consegna} ms, the next click ${risposta} ms, the program ended in ${durata} ms"
[ "${consegna:-99999}" -le 100 ] || { echo "FAIL: fermo: Stampa held the window ${consegna} ms"; errori=1; }
[ "${risposta:-99999}" -le 100 ] || { echo "FAIL: fermo: a click waited ${risposta} ms"; errori=1; }
[ "$durata" -le 10000 ] || { echo "FAIL: fermo: the program took ${durata} ms to end"; errori=1; }

# The server stalls and comes back: the teacher is told that the sheets
# wait, and each is then printed once.
completati() { lpstat -W completed -o 2>/dev/null | wc -l; }
for _ in $(seq 100); do [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
prima=$(completati)
kill -STOP "$pid"
QT_QPA_PLATFORM=offscreen ORBETTO_CUPSD_PID="$pid" timeout 90 "$programma" ritorno > "$base/ritorno.txt" \
  || { echo "FAIL: ritorno: the program did not end"; errori=1; }
kill -CONT "$pid"
for _ in $(seq 300); do [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
dopo=$(completati)
ferma=$(awk '/^ferma/ {print $2}' "$base/ritorno.txt")
esiti=$(awk '/^esiti/ {$1=""; print substr($0, 2)}' "$base/ritorno.txt")
echo "stalled, then back: the teacher was told ${ferma:-nothing} sheets wait; outcomes '${esiti}'; $((dopo - prima)) jobs printed"
[ "${ferma:-0}" = 3 ] || { echo "FAIL: ritorno: the stall was not told with 3 sheets"; errori=1; }
[ "$esiti" = "0 0 0" ] || { echo "FAIL: ritorno: outcomes '$esiti', not three printed"; errori=1; }
[ "$((dopo - prima))" = 3 ] || { echo "FAIL: ritorno: $((dopo - prima)) jobs reached the server, not 3"; errori=1; }

[ "$errori" = 0 ] || exit 1
echo "5 passed, 0 failed"
