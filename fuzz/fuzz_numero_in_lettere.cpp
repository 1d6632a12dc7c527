// SPDX-License-Identifier: GPL-3.0-or-later
// NumeroInLettere: only A to Z, "ZERO" exactly for 0, nothing outside 0..32767;
// LetteraMaiuscola changes only a to z.
#include "Ingresso.h"
#include "words/NumeriInLettere.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const int numero = interoDa(dati, n);
    const QString parole = NumeroInLettere(numero);
    if (numero < 0) {
        VERIFICA(parole.isEmpty());
    } else {
        VERIFICA(!parole.isEmpty());
        for (QChar c : parole)
            VERIFICA(c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        VERIFICA((numero == 0) == parole.contains(QLatin1String("ZERO")));
        VERIFICA(numero >= 1000 || !parole.contains(QLatin1String("MIL")));
    }
    const int codice = numero & 0xFFFF;
    const int nuovo = LetteraMaiuscola(codice);
    VERIFICA(codice >= 'a' && codice <= 'z' ? nuovo == codice - 32 : nuovo == codice);
    return 0;
}
