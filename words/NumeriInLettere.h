// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The Italian words of a number, in capitals, without accents or blanks
// (VENTUNO, CENTOOTTANTA, DUEMILA); "ZERO" for 0. numero from 0 to 32767;
// any other value gives an empty text.
QString NumeroInLettere(int numero);

// The key filter of the words answers: "a" to "z" become "A" to "Z"; every
// other character code is returned unchanged.
int LetteraMaiuscola(int codice);
