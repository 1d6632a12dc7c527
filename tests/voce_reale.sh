#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Real speech: a private speech-dispatcher with the espeak-ng Italian voice
# writes what the program says into a WAV file (an ALSA "file" device), and
# sox measures it. Usage: voce_reale.sh PROGRAM MODULE
set -euo pipefail
programma="$1"; modulo="$2"
if ! command -v speech-dispatcher >/dev/null || ! command -v sox >/dev/null || [ ! -d /etc/speech-dispatcher ]; then
  echo "speech-dispatcher or sox missing: skipped"
  exit 77
fi
base="$(mktemp -d /tmp/orbetto-voce.XXXXXX)"
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$base"' EXIT
cp -r /etc/speech-dispatcher "$base/conf"
sed -i 's/^# AudioOutputMethod "pulse"/AudioOutputMethod "alsa"/; s/^# DefaultLanguage "en-US"/DefaultLanguage "it"/' \
  "$base/conf/speechd.conf"
printf 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n' >> "$base/conf/speechd.conf"
mkdir -p "$base/casa"
export HOME="$base/casa" SPEECHD_ADDRESS="unix_socket:$base/sock"

errori=0
misura() { # text, shortest and longest length in seconds
  local wav="$base/voce.wav"
  rm -f "$wav"
  echo "pcm.!default { type file; slave.pcm \"null\"; file \"$wav\"; format \"wav\" }" > "$HOME/.asoundrc"
  speech-dispatcher -s -c unix_socket -S "$base/sock" -C "$base/conf" -t 30 -L "$base" -l 1 2>/dev/null &
  pid=$!
  for _ in $(seq 100); do [ -S "$base/sock" ] && break; sleep 0.1; done
  if ! QT_QPA_PLATFORM=offscreen "$programma" "$modulo" "$1" >/dev/null; then
    echo "FAIL: '$1': the synthesiser did not answer"; errori=1
  fi
  kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -f "$base/sock"
  # The ALSA file device leaves the header's length open: read to the end.
  local secondi
  secondi=$(sox --ignore-length "$wav" -n stat 2>&1 | awk '/^Length/ {print $3}')
  echo "'$1': ${secondi:-0} s of speech"
  awk -v s="${secondi:-0}" -v a="$2" -v b="$3" 'BEGIN { exit !(s >= a && s <= b) }' \
    || { echo "FAIL: '$1' lasted ${secondi:-0} s, not $2 to $3"; errori=1; }
}
misura "ventitré" 0.5 2.0
misura "duemila trecento quarantacinque" 1.5 3.5

# The daemon killed in the middle of an utterance, another started: the
# program's next text opens the voice again and is heard.
avvia_demone() {
  echo "pcm.!default { type file; slave.pcm \"null\"; file \"$1\"; format \"wav\" }" > "$HOME/.asoundrc"
  speech-dispatcher -s -c unix_socket -S "$base/sock" -C "$base/conf" -t 30 -L "$base" -l 1 2>/dev/null &
  pid=$!
  for _ in $(seq 100); do [ -S "$base/sock" ] && break; sleep 0.1; done
}
rm -f "$base/ancora" "$base/primo.wav" "$base/secondo.wav"
avvia_demone "$base/primo.wav"
ORBETTO_VOCE_ANCORA="$base/ancora" QT_QPA_PLATFORM=offscreen "$programma" "$modulo" \
  "novemila novecento novantanove, ottomila ottocento ottantotto, settemila settecento settantasette" \
  "ventitré" > "$base/ritorno.txt" &
programma_pid=$!
for _ in $(seq 100); do grep -q pronta "$base/ritorno.txt" 2>/dev/null && break; sleep 0.1; done
sleep 0.5
kill -9 "$pid"; wait "$pid" 2>/dev/null || true; rm -f "$base/sock"
avvia_demone "$base/secondo.wav"
touch "$base/ancora"
wait "$programma_pid" || { echo "FAIL: after the daemon was killed the program (status $?) said: $(tr '\n' ' ' < "$base/ritorno.txt")"; errori=1; }
# A daemon someone else started is left running when the program ends.
kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended a daemon it had not started"; errori=1; }
kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
secondi=$( (sox --ignore-length "$base/secondo.wav" -n stat 2>&1 || true) | awk '/^Length/ {print $3}')
echo "the daemon killed mid-utterance: the next text, ${secondi:-0} s of speech from the new daemon"
awk -v s="${secondi:-0}" 'BEGIN { exit !(s >= 0.5 && s <= 2.0) }' \
  || { echo "FAIL: the voice did not come back (${secondi:-0} s)"; errori=1; }

# No daemon running: libspeechd starts one, which ends with the program.
mkdir -p "$base/run" "$base/xdg" && chmod 700 "$base/run"
cp -r "$base/conf" "$base/xdg/speech-dispatcher"
echo "pcm.!default { type file; slave.pcm \"null\"; file \"$base/da-solo.wav\"; format \"wav\" }" > "$HOME/.asoundrc"
(unset SPEECHD_ADDRESS; XDG_RUNTIME_DIR="$base/run" XDG_CONFIG_HOME="$base/xdg" QT_QPA_PLATFORM=offscreen \
  timeout 60 "$programma" "$modulo" "ventitré" > "$base/da-solo.txt") \
  || { echo "FAIL: with a daemon started on demand the program said: $(tr '\n' ' ' < "$base/da-solo.txt")"; errori=1; }
sleep 0.5
rimasti=$( (pgrep -f "speech-dispatcher.*$base/run" || true) | wc -l)
secondi=$( (sox --ignore-length "$base/da-solo.wav" -n stat 2>&1 || true) | awk '/^Length/ {print $3}')
echo "a daemon started on demand: ${secondi:-0} s of speech, ${rimasti} daemon(s) left after the program"
[ "$rimasti" = 0 ] || { pkill -f "speech-dispatcher.*$base/run" || true; echo "FAIL: the daemon outlived the program"; errori=1; }
[ "$errori" = 0 ] || exit 1
echo "4 passed, 0 failed"
