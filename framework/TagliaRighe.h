// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The text broken into printed lines of at most larghezza + 1 characters,
// after a blank where it can be; the carriage returns of the text stay.
// Only blanks (character 32) are trimmed from the ends.
QString TagliaRighe(const QString &testo, int larghezza);
// TagliaRighe for the composer's sheets: a row is broken only between its
// exercises, never inside one ("66 - 45 =" and its "______" stay together).
// Inside an exercise blanks come one or two at a time; between exercises
// three or more. Rows that fit come out exactly as TagliaRighe gives them.
QString TagliaEsercizi(const QString &testo, int larghezza);
// A row of exercises (three or more blanks between them, one or two
// inside) as its exercises, in order, without the blanks around them.
QStringList EserciziDellaRiga(const QString &riga);
// A row too wide for the page as lines of perRiga exercises each, the
// exercises in columns cella characters wide behind the row's own indent:
// the rows of a sheet so broken keep one grid.
QStringList SpezzaRiga(const QString &riga, int perRiga, int cella);

// The wrapped text as the lines the printer receives.
QStringList righeDaStampare(const QString &tagliato);
