// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the speech synthesiser is given to read. A long number word is
// split where a reader pauses, since a synthesiser stresses one word once
// at its end: 2345 is "duemila trecento quarantacinque", 1100 "mille
// cento", 23 "ventitré", 0 "zero". numero from 0 to 32767; else empty.
QString NumeroDaDire(int numero);

// A text of the windows made readable aloud: every number in it (digits,
// with or without the "." of the thousands) said as above, a rod button's
// caption by its meaning ("+da" as "più delle decine", "-u" as "meno delle
// unità"), "+" as "più", "-" as "meno", "=" as "uguale"; the rest as it
// is, in small letters.
QString TestoDaDire(const QString &testo);

// An operation of the windows (" 34 +  27 = ") said as the question it
// asks: "quanto fa trentaquattro più ventisette?".
QString OperazioneDaDire(const QString &operazione);

// Sentences said one after the other: a full stop between them, unless
// one already ends on its own mark ("?", "!", ".").
QString UnisciFrasi(const QStringList &frasi);
