// SPDX-License-Identifier: GPL-3.0-or-later
// NumeroInLettere: only A to Z (and a final É), "ZERO" exactly for 0, nothing
// outside 0..32767; LetteraMaiuscola changes only a to z and à è é ì ò ù.
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
        for (qsizetype i = 0; i < parole.size(); ++i) {
            const QChar c = parole.at(i);
            const bool accentoFinale = c == QChar(0xC9) && i == parole.size() - 1;
            VERIFICA((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || accentoFinale);
        }
        VERIFICA(ParoleUguali(parole, numero));
        VERIFICA((numero == 0) == parole.contains(QLatin1String("ZERO")));
        VERIFICA(numero >= 1000 || !parole.contains(QLatin1String("MIL")));
    }
    const int codice = numero & 0xFFFF;
    const int nuovo = LetteraMaiuscola(codice);
    const bool accentata = codice == 0xE0 || codice == 0xE8 || codice == 0xE9 || codice == 0xEC ||
                           codice == 0xF2 || codice == 0xF9;
    VERIFICA((codice >= 'a' && codice <= 'z') || accentata ? nuovo == codice - 32 : nuovo == codice);
    return 0;
}
