// SPDX-License-Identifier: GPL-3.0-or-later
// RispostaInLettere takes only blanks, and only from the two ends.
#include "Ingresso.h"
#include "words/Risposte.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QString testo = testoDa(dati, n);
    const QString r = RispostaInLettere(testo);
    VERIFICA(!r.startsWith(QLatin1Char(' ')) && !r.endsWith(QLatin1Char(' ')));
    const qsizetype dove = testo.indexOf(r);
    VERIFICA(dove >= 0);
    VERIFICA(testo.left(dove).count(QLatin1Char(' ')) == dove);
    const QString dopo = testo.mid(dove + r.size());
    VERIFICA(r.isEmpty() || dopo.count(QLatin1Char(' ')) == dopo.size());
    return 0;
}
