// SPDX-License-Identifier: GPL-3.0-or-later
// SoloCifre keeps exactly the ASCII digits, in order; their number is never
// wrapped into the range of an exercise.
#include "Ingresso.h"
#include "words/Risposte.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QString testo = testoDa(dati, n);
    const QString cifre = SoloCifre(testo);
    qsizetype j = 0;
    for (QChar c : testo)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            VERIFICA(j < cifre.size() && cifre.at(j) == c);
            ++j;
        }
    VERIFICA(j == cifre.size());
    const int numero = numeroDaCifre(cifre);
    VERIFICA(numero >= -1 && numero <= 999999999);
    if (numero >= 0) {
        QString senzaZeri = cifre;
        while (senzaZeri.startsWith(QLatin1Char('0')))
            senzaZeri.remove(0, 1);
        VERIFICA(senzaZeri == (numero == 0 ? QString() : QString::number(numero)));
    }
    return 0;
}
