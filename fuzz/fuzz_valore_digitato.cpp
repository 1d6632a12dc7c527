// SPDX-License-Identifier: GPL-3.0-or-later
// ValoreDigitato never yields NaN or an infinity, and a number it reads is
// the number digitatoUguale judges.
#include "Ingresso.h"
#include "words/Risposte.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QString testo = testoDa(dati, n);
    const LetturaNumero l = ValoreDigitato(testo);
    VERIFICA(!std::isnan(l.valore));
    VERIFICA(!l.numero || std::isfinite(l.valore));
    VERIFICA(l.numero || l.valore == 0.0);
    for (int numero : {0, 7, 99, 9999})
        VERIFICA(digitatoUguale(testo, numero) == (l.numero && l.valore == numero));
    return 0;
}
