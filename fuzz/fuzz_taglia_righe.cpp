// SPDX-License-Identifier: GPL-3.0-or-later
// TagliaRighe loses no character but blanks and line ends, always ends, and
// when every word is shorter than a line makes no line longer than the width
// plus one. TagliaEsercizi, its composer form, loses nothing either.
#include "Ingresso.h"
#include "framework/TagliaRighe.h"

#include <QRegularExpression>

namespace {

QString pieni(QString s)
{
    return s.remove(QLatin1Char(' ')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const int larghezza = interoDa(dati, n);
    const QString testo = n > 2 ? testoDa(dati + 2, n - 2) : QString();
    const QString tagliato = TagliaRighe(testo, larghezza);
    VERIFICA(pieni(tagliato) == pieni(testo));
    const qsizetype L = std::max(1, larghezza + 1);
    static const QRegularExpression separatori(QStringLiteral("[ \\r]"));
    bool paroleCorte = true;
    for (const QString &parola : testo.split(separatori))
        paroleCorte = paroleCorte && parola.size() < L;
    if (paroleCorte)
        for (const QString &riga : righeDaStampare(tagliato))
            VERIFICA(riga.size() <= L);
    // The no-break spaces that hold an exercise together never leak out
    // (one of the text's own prints as the blank it looks like).
    const QString esercizi = TagliaEsercizi(testo, larghezza);
    VERIFICA(!esercizi.contains(QChar(0x00A0)));
    VERIFICA(pieni(esercizi) == pieni(QString(testo).replace(QChar(0x00A0), QLatin1Char(' '))));
    return 0;
}
