// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/Classe.h"
#include "RegistroLezione.h"

#include <QDate>
#include <QStringList>

// The lesson summary as words: the same on the screen, on paper and in the
// PDF file.
namespace riepilogo {

// "45 s", "4 min 05 s", "1 h 05 min".
QString durata(double secondi);
// "Classe: terza" ("Classe: ____________" with "libera", for the pen).
QString rigaClasse(Classe classe);
// "Data: giovedì 10 dicembre 2026".
QString rigaData(const QDate &giorno);

// The totals of the lesson, as one more row.
RegistroLezione::Riga totale(const QList<RegistroLezione::Riga> &righe);

// The sheet: heading, class and date, one line a window under its section,
// the totals; in a fixed-pitch type so that the columns stand.
QStringList righeSulFoglio(const QList<RegistroLezione::Riga> &righe, Classe classe, bool tranquilla,
                           const QDate &giorno);

} // namespace riepilogo
