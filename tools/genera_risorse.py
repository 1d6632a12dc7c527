#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the three yellow faces (32 x 32, 16 colours, XPM) and synthesises the
six sounds (16-bit PCM mono WAV) into assets/. Run it again after changing it;
the outputs are committed so that the build needs no Python."""

import math
import os
import struct
import wave

QUI = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.join(QUI, "..", "assets")

# --- faces -------------------------------------------------------------------

PALETTE = {
    " ": "None",      # transparent
    ".": "#000000",   # outline
    "y": "#FFFF00",   # face
    "o": "#C0A000",   # face shade
    "w": "#FFFFFF",   # highlight, teeth
    "r": "#FF0000",   # mouth
    "m": "#800000",   # mouth inside
    "b": "#0080FF",   # tear
    "p": "#FF8080",   # cheeks
}


def faccia(tipo):
    n = 32
    c = (n - 1) / 2.0
    g = [[" "] * n for _ in range(n)]
    for y in range(n):
        for x in range(n):
            d = math.hypot(x - c, y - c)
            if d <= 14.6:
                g[y][x] = "."
            if d <= 13.5:
                # a little shade towards the lower right makes it round
                g[y][x] = "o" if (x - c) + (y - c) > 15 else "y"
    for (x, y) in [(10, 7), (11, 7), (9, 8)]:
        g[y][x] = "w"

    def punto(x, y, ch):
        if 0 <= x < n and 0 <= y < n:
            g[y][x] = ch

    # eyes
    if tipo == "ride":
        # closed, happy eyes: little arches
        for ox in (10, 21):
            for dx, dy in [(-2, 0), (-1, -1), (0, -1), (1, -1), (2, 0)]:
                punto(ox + dx, 12 + dy, ".")
    else:
        for ox in (11, 20):
            for dy in range(-2, 2):
                punto(ox, 11 + dy, ".")
                punto(ox + 1, 11 + dy, ".")
    if tipo == "triste":
        # eyebrows slanting up in the middle
        for x, y in [(8, 8), (9, 8), (10, 7), (11, 7), (20, 7), (21, 7), (22, 8), (23, 8)]:
            punto(x, y, ".")
    # mouth
    if tipo == "ride":
        # wide open laughing mouth: half disc, red with a dark inside
        for y in range(17, 26):
            for x in range(6, 26):
                d = math.hypot(x - 15.5, (y - 17) * 1.25)
                if y == 17 and 8 <= x <= 23:
                    punto(x, y, ".")
                elif d <= 9.6:
                    if d > 8.6:
                        punto(x, y, ".")
                    elif y == 18 and 10 <= x <= 21:
                        punto(x, y, "w")
                    elif d > 5.0:
                        punto(x, y, "r")
                    else:
                        punto(x, y, "m")
        for x, y in [(6, 15), (7, 16), (25, 15), (24, 16)]:
            punto(x, y, ".")
        for x, y in [(6, 13), (7, 13), (24, 13), (25, 13)]:
            punto(x, y, "p")
    elif tipo == "sorride":
        for x in range(8, 24):
            t = (x - 15.5) / 7.5
            y = 18 + int(round(4 * (1 - t * t)))
            punto(x, y, ".")
            punto(x, y + 1, ".")
        for x, y in [(7, 17), (24, 17)]:
            punto(x, y, ".")
        for x, y in [(7, 15), (8, 15), (23, 15), (24, 15)]:
            punto(x, y, "p")
    else:
        for x in range(9, 23):
            t = (x - 15.5) / 6.5
            y = 24 - int(round(3.5 * (1 - t * t)))
            punto(x, y, ".")
            punto(x, y + 1, ".")
        # a tear under the left eye
        for x, y in [(10, 14), (10, 15), (9, 16), (10, 16), (11, 16),
                     (9, 17), (10, 17), (11, 17), (10, 18)]:
            punto(x, y, "b")
    return ["".join(r) for r in g]


def scrivi_xpm(nome, righe):
    usati = sorted({ch for r in righe for ch in r})
    with open(os.path.join(ASSETS, nome + ".xpm"), "w") as f:
        f.write("/* XPM */\n")
        f.write("static const char *%s[] = {\n" % nome)
        f.write('"32 32 %d 1",\n' % len(usati))
        for ch in usati:
            f.write('"%s c %s",\n' % (ch, PALETTE[ch]))
        for i, r in enumerate(righe):
            f.write('"%s"%s\n' % (r, "," if i < len(righe) - 1 else ""))
        f.write("};\n")


# --- sounds ------------------------------------------------------------------

FREQ = 22050


def nota(hz, durata, volume=0.35, armoniche=(1.0, 0.3, 0.1), attacco=0.006, decadimento=5.0):
    campioni = []
    for i in range(int(durata * FREQ)):
        t = i / FREQ
        inviluppo = min(1.0, t / attacco) * math.exp(-decadimento * t)
        v = sum(a * math.sin(2 * math.pi * hz * (k + 1) * t) for k, a in enumerate(armoniche))
        campioni.append(volume * inviluppo * v / sum(armoniche))
    return campioni


def in_sequenza(*note, passo=0.09):
    """Notes that start `passo` seconds apart and ring over each other."""
    lunghezza = max(int(i * passo * FREQ) + len(n) for i, n in enumerate(note))
    out = [0.0] * lunghezza
    for i, n in enumerate(note):
        inizio = int(i * passo * FREQ)
        for j, v in enumerate(n):
            out[inizio + j] += v
    return out


def scrivi_wav(nome, campioni):
    picco = max(1e-9, max(abs(v) for v in campioni))
    scala = min(1.0, 0.8 / picco)
    # a short fade-out avoids a click at the end
    coda = int(0.02 * FREQ)
    for i in range(coda):
        campioni[-1 - i] *= i / coda
    with wave.open(os.path.join(ASSETS, "suoni", nome), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(FREQ)
        w.writeframes(b"".join(struct.pack("<h", int(v * scala * 32767)) for v in campioni))


DO, MI, SOL, DO2, MI2, SOL2, LA, FA = 523.25, 659.25, 783.99, 1046.5, 1318.5, 1568.0, 880.0, 698.46


def main():
    os.makedirs(os.path.join(ASSETS, "suoni"), exist_ok=True)
    scrivi_xpm("faccia_ride", faccia("ride"))
    scrivi_xpm("faccia_triste", faccia("triste"))
    scrivi_xpm("faccia_sorride", faccia("sorride"))
    # four bright chimes, each a different little arpeggio
    scrivi_wav("si1.wav", in_sequenza(nota(DO, 0.5), nota(MI, 0.5), nota(SOL, 0.6)))
    scrivi_wav("si2.wav", in_sequenza(nota(SOL, 0.5), nota(DO2, 0.7), passo=0.12))
    scrivi_wav("si3.wav", in_sequenza(nota(MI, 0.45), nota(SOL, 0.45), nota(DO2, 0.45), nota(MI2, 0.6), passo=0.07))
    scrivi_wav("si4.wav", in_sequenza(nota(FA, 0.4), nota(LA, 0.4), nota(DO2, 0.7, decadimento=3.5), passo=0.1))
    # a soft, low two-note "oh-oh"
    scrivi_wav("no.wav", in_sequenza(nota(233.08, 0.35, 0.3, (1.0, 0.15), 0.03, 4.0),
                                     nota(196.0, 0.5, 0.3, (1.0, 0.15), 0.03, 4.0), passo=0.22))
    # a short wooden tick for a completed step
    scrivi_wav("si.wav", nota(1760.0, 0.08, 0.4, (1.0, 0.2), 0.002, 45.0))


if __name__ == "__main__":
    main()
