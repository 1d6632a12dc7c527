// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The Italian words of a number, in capitals, without blanks (VENTUNO,
// CENTOOTTANTA, DUEMILA, VENTITRÉ with its accent); "ZERO" for 0. numero
// from 0 to 32767; any other value gives an empty text.
QString NumeroInLettere(int numero);

// A words answer brought to one spelling: a final TRÉ as TRE, the elided
// CENTOTTO/CENTOTTANTA as CENTOOTTO/CENTOOTTANTA.
QString ParoleSenzaVarianti(const QString &parole);

// True when the answer spells the number, with or without the accent of
// -TRÉ and with either form of CENTO before OTTO and OTTANTA.
bool ParoleUguali(const QString &risposta, int numero);

// The key filter of the words answers: "a" to "z" become "A" to "Z", and
// à è é ì ò ù their capitals; every other character code is returned unchanged.
int LetteraMaiuscola(int codice);
