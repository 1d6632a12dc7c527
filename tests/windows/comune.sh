# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows checks: one line a check, and the count at the end.
passate=0 fallite=0
controlla() {
  if eval "$2"; then
    echo "PASS: $1"; passate=$((passate + 1))
  else
    echo "FAIL: $1"; fallite=$((fallite + 1))
  fi
}
conteggio() {
  echo "$1: $passate passed, $fallite failed"
  [ "$fallite" = 0 ]
}
# Milliseconds since the epoch.
adesso() { echo $(( $(date +%s%N) / 1000000 )); }
