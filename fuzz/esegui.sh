#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (fuzzer, address and undefined
# sanitizers) and runs each for a bounded time. Usage: fuzz/esegui.sh [seconds]
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
secondi="${1:-30}"
uscita="${ORBETTO_FUZZ_DIR:-$radice/build-fuzz}"
mkdir -p "$uscita"
# The Qt development files come with the README's set-up; clang and its
# fuzzer runtime are installed here when missing.
"$radice/scripts/prepara.sh" "$radice/build" >/dev/null
mancanti=()
command -v clang++ >/dev/null || mancanti+=(clang)
[ -n "$(ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a 2>/dev/null)" ] || mancanti+=(libclang-rt-dev)
command -v pkg-config >/dev/null || mancanti+=(pkg-config)
if [ "${#mancanti[@]}" -gt 0 ]; then
  sudo_=""; [ "$(id -u)" -eq 0 ] || sudo_="sudo"
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
fi
opzioni=(-std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
         -I"$radice" $(pkg-config --cflags Qt6Core))
librerie=($(pkg-config --libs Qt6Core))
declare -A sorgenti=(
  [fuzz_valore_digitato]="words/Risposte.cpp"
  [fuzz_solo_cifre]="words/Risposte.cpp"
  [fuzz_risposta_in_lettere]="words/Risposte.cpp"
  [fuzz_numero_in_lettere]="words/NumeriInLettere.cpp"
  [fuzz_taglia_righe]="framework/TagliaRighe.cpp"
)
esito=0
for bersaglio in fuzz_valore_digitato fuzz_solo_cifre fuzz_risposta_in_lettere fuzz_numero_in_lettere fuzz_taglia_righe; do
  clang++ "${opzioni[@]}" "$radice/fuzz/$bersaglio.cpp" "$radice/${sorgenti[$bersaglio]}" "${librerie[@]}" -o "$uscita/$bersaglio"
  mkdir -p "$uscita/corpus-$bersaglio"
  if "$uscita/$bersaglio" -max_total_time="$secondi" -max_len=4096 -timeout=10 -print_final_stats=1 \
       "$uscita/corpus-$bersaglio" > "$uscita/$bersaglio.log" 2>&1; then
    echo "$bersaglio: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$uscita/$bersaglio.log" | awk '{print $2}') runs, nothing found"
  else
    echo "$bersaglio: FAILED"; tail -30 "$uscita/$bersaglio.log"; esito=1
  fi
done
exit $esito
