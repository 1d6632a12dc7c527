#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the program's PNG icons, 16 to 256 pixels, from its one drawing
# (assets/icone/orbetto.svg). Needs librsvg2-bin.
set -euo pipefail
cartella="$(cd "$(dirname "$0")/../assets/icone" && pwd)"
for lato in 16 32 48 64 128 256; do
  rsvg-convert -w "$lato" -h "$lato" "$cartella/orbetto.svg" -o "$cartella/orbetto-$lato.png"
done
echo "icone: $(ls "$cartella"/orbetto-*.png | wc -l) PNG da orbetto.svg"
