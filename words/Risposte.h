// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the exercises read what the pupil typed.

// The number at the head of a typed answer: blanks anywhere are skipped; a
// sign, digits, a decimal part after ".", an exponent after E or D (either
// case); "&H" and "&O" start a hexadecimal or octal number; reading stops at
// the first character that cannot continue the number.
struct LetturaNumero {
    bool numero = false; // false: no leading number, or too large to hold
    double valore = 0.0;
};
LetturaNumero ValoreDigitato(const QString &testo);

// True when the typed answer reads as exactly this number. An answer with no
// leading number, or one too large to hold, is never right.
bool digitatoUguale(const QString &testo, int numero);

// The text with every character but 0 to 9 removed ("1 2a3" gives "123").
QString SoloCifre(const QString &testo);

// SoloCifre read as a whole number: the empty string reads 0. Returns -1 for
// a digit string too large to be any exercise's number.
int numeroDaCifre(const QString &cifre);

// The words answer without its leading and trailing blanks (character 32
// only; blanks inside stay).
QString RispostaInLettere(const QString &testo);
