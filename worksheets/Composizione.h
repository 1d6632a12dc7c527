// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Contesto;

// The arithmetic sheets of the composer, as plain text: lines separated by
// carriage return and line feed, every exercise a 25-character cell.

// A sheet and its correction, side by side.
struct Foglio {
    QString scheda;
    QString correzione;
};

// conBlank(n): the number with one leading blank (" 7", " 34").
QString conBlank(int n);
// cifreSpaziate(n), 0 to 99: the digits spelled one by one with their blanks
// (" 3 4"), the tens left out when 0 (" 7").
QString cifreSpaziate(int n);

// Appends one complete sheet of kind tipo (15 to 18) to the foglio:
// additions, additions without exchange, subtractions, subtractions without
// exchange. Other kinds append nothing.
void FaiScheda(Contesto &ctx, int tipo, int righe, int colonne, Foglio &foglio);
