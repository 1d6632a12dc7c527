// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>

class Contesto;

// The background colours of the exercises and of the menu.
enum class TabellaColori {
    Condivisa, // ColoreCasuale
    Decine,    // CaricaColori of Form99a, Form99b, Form99b1, Form99d, Form99d1
    Unita,     // CaricaColori of Form4, Form5, Form6
};

// Row k (1 to 18) of a table; slot 0 exists and is never drawn.
QColor rigaTabellaColori(TabellaColori tabella, int k);

// k = floor(Casuale * 18) + 1 from the given table.
QColor coloreDaTabella(Contesto &ctx, TabellaColori tabella);
QColor ColoreCasuale(Contesto &ctx);

// Entry c of the 16-colour palette, c from 0 to 15.
QColor coloreTavolozza(int c);
// c = floor(Casuale * 14) + 1, and 7 becomes 6.
int indiceSfondoMenu(double casuale);
QColor ColoreSfondoMenu(Contesto &ctx);

// In calm mode every window has this pale background, and keeps it: the
// draws above give it without drawing.
QColor sfondoTranquillo();
// Every background the rules above can give a window, in either mode.
QList<QColor> sfondiPossibili(bool tranquilla);

// Black or white, whichever has the larger contrast ratio on the background.
QColor coloreTestoSu(const QColor &sfondo);

// The contrast ratio of two colours, 1 to 21, by relative luminance (sRGB).
double contrasto(const QColor &a, const QColor &b);
