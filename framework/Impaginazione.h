// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

// Lines of text for paper, in a fixed-pitch type never smaller than punti.
// The first `intestazione` lines head every page; after them each line
// with text, and the blank lines under it, is one block that no page
// splits (a row of exercises).
struct TestoSuCarta {
    QStringList righe;
    QString carattere;
    int punti = 12;
    int intestazione = 0;
    // A correction's sheet: the correction takes the sheet's orientation,
    // size, breaks and pages, so the two lie one on the other.
    QStringList modello = {};
};

// Where the lines go: portrait when every line fits its width at the
// chosen size, else landscape; the type grows (up to 24 points) while the
// whole text fits one page; a line too wide even for landscape goes on in
// the lines under it, broken between its exercises (runs of blanks), never
// inside one. Measured on the device's own page and fonts.
struct Impaginato {
    bool orizzontale = false;
    double punti = 0;
    QList<QStringList> pagine;
};
Impaginato impagina(const TestoSuCarta &testo, QPagedPaintDevice &dispositivo);
