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
# The Windows icon: the same PNGs in one .ico (PNG entries, as Windows
# Vista and later read them).
python3 - "$cartella" <<'PY'
import struct, sys, pathlib
cartella = pathlib.Path(sys.argv[1])
lati = [16, 32, 48, 64, 128, 256]
dati = [(cartella / f"orbetto-{l}.png").read_bytes() for l in lati]
testa = struct.pack("<HHH", 0, 1, len(lati))
posto = 6 + 16 * len(lati)
voci = b""
for lato, d in zip(lati, dati):
    voci += struct.pack("<BBBBHHII", lato % 256, lato % 256, 0, 0, 1, 32, len(d), posto)
    posto += len(d)
(cartella / "orbetto.ico").write_bytes(testa + voci + b"".join(dati))
PY
echo "icona di Windows: $cartella/orbetto.ico"
