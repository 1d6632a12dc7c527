// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the speech synthesiser is given to read. A long number word is
// split where a reader pauses, since a synthesiser stresses one word once
// at its end: 2345 is "duemila trecento quarantacinque", 1100 "mille
// cento", 23 "ventitré", 0 "zero". numero from 0 to 32767; else empty.
QString NumeroDaDire(int numero);

// A text of the windows made readable aloud: every number in it (digits,
// with or without the "." of the thousands) said as above, "+" as "più",
// "-" as "meno", "=" as "uguale"; the rest as it is, in small letters.
QString TestoDaDire(const QString &testo);
