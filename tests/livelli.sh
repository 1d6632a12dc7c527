#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers keep their order: a file includes headers of its own folder and
# of the folders below it, never of one above. Usage: livelli.sh SOURCE_DIR
set -euo pipefail
cd "$1"
declare -A sotto=(
  [words]=""
  [framework]="words"
  [abacus]="framework words"
  [forming]="abacus framework words"
  [reading]="abacus framework words"
  [arithmetic]="abacus framework words"
  [worksheets]="abacus framework words"
  [lesson]="worksheets abacus framework words"
  [app]="lesson forming reading arithmetic worksheets abacus framework words"
)
errori=0
for cartella in "${!sotto[@]}"; do
  permesse=" $cartella ${sotto[$cartella]} "
  while IFS=: read -r file riga testo; do
    altra="${testo#*\"}"
    altra="${altra%%/*}"
    if [[ "$permesse" != *" $altra "* ]]; then
      echo "FAIL: $file:$riga includes from $altra/, which is not below $cartella/"
      errori=1
    fi
  done < <(grep -rn '^#include "[a-z]*/' "$cartella" || true)
done
# The arithmetic's core (its rules) builds with Qt Core alone: it includes
# its own headers and the header-only texts, nothing with widgets.
while IFS=: read -r file riga testo; do
  altra="${testo#*\"}"; altra="${altra%\"*}"
  case "$altra" in
    Cambio.h|Regole*.h|framework/Testi.h) ;;
    *) echo "FAIL: $file:$riga includes $altra, which is not part of the arithmetic's core"; errori=1 ;;
  esac
done < <(grep -n '^#include "' arithmetic/Cambio.h arithmetic/Regole*.h arithmetic/Regole*.cpp || true)
[ "$errori" = 0 ] && echo "every include goes down or stays in its folder"
exit "$errori"
