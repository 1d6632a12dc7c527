#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader sees of the running program through AT-SPI:
one line per element, indented by depth, with its role and its name.
Run it inside the program's D-Bus session (see albero_accessibile.sh)."""
import sys
import time

import pyatspi


def stampa(nodo, livello=0):
    try:
        ruolo = nodo.getRoleName()
        nome = nodo.name or ""
        descrizione = nodo.description or ""
        stati = nodo.getState()
        if not stati.contains(pyatspi.STATE_SHOWING) and livello > 1:
            return
    except Exception:
        return
    riga = "  " * livello + f"{ruolo}: {nome!r}"
    if descrizione:
        riga += f" ({descrizione})"
    print(riga)
    for i in range(nodo.childCount):
        stampa(nodo.getChildAtIndex(i), livello + 1)


def main():
    nome = sys.argv[1] if len(sys.argv) > 1 else "orbetto"
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == nome:
                stampa(app)
                return 0
        time.sleep(0.2)
    print("programma non trovato nel bus dell'accessibilità", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
