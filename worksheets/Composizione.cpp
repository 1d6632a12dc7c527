// SPDX-License-Identifier: GPL-3.0-or-later
#include "Composizione.h"

#include "framework/Contesto.h"

#include <algorithm>

namespace {

const QString crlf = QStringLiteral("\r\n");

struct Cella {
    QString scheda, correzione;
};

// X = Y + R with no carry in any place: each digit of Y at most the digit
// of X in the same place.
struct Cifre {
    int x, y, r;
};

Cifre estraiCifre(Contesto &ctx)
{
    int u = 0, t = 0;
    do {
        u = ctx.estrai(10);
        t = ctx.estrai(10);
    } while (10 * t + u == 0);
    const int u2 = ctx.estrai(u);
    const int t2 = ctx.estrai(t);
    return {10 * t + u, 10 * t2 + u2, 10 * (t - t2) + (u - u2)};
}

Cella esercizio(Contesto &ctx, int tipo)
{
    const QString tre = QStringLiteral("   ");
    if (tipo == 15 || tipo == 17) {
        const int a = ctx.estrai(80) + 1;
        const int b = ctx.estrai(100 - a);
        if (tipo == 15)
            return {tre + conBlank(b) + QStringLiteral(" + ") + conBlank(a) + QStringLiteral(" = ______ "),
                    tre + conBlank(b) + QStringLiteral(" + ") + conBlank(a) + QStringLiteral(" = ") + conBlank(a + b)};
        return {tre + conBlank(a + b) + QStringLiteral(" - ") + conBlank(b) + QStringLiteral(" = ______ "),
                tre + conBlank(a + b) + QStringLiteral(" - ") + conBlank(b) + QStringLiteral(" = ") + conBlank(a)};
    }
    const Cifre c = estraiCifre(ctx);
    if (tipo == 16)
        return {tre + cifreSpaziate(c.y) + QStringLiteral(" + ") + cifreSpaziate(c.r) + QStringLiteral(" = ____ "),
                tre + cifreSpaziate(c.y) + QStringLiteral(" + ") + cifreSpaziate(c.r) + QStringLiteral(" = ") + conBlank(c.x)};
    return {tre + cifreSpaziate(c.x) + QStringLiteral(" - ") + cifreSpaziate(c.y) + QStringLiteral(" = ____ "),
            tre + cifreSpaziate(c.x) + QStringLiteral(" - ") + cifreSpaziate(c.y) + QStringLiteral(" = ") + conBlank(c.r)};
}

void allunga(QString &riga, int lunghezza)
{
    if (riga.size() < lunghezza)
        riga += QString(lunghezza - riga.size(), QLatin1Char(' '));
}

} // namespace

QString conBlank(int n)
{
    return n >= 0 ? QLatin1Char(' ') + QString::number(n) : QString::number(n);
}

QString cifreSpaziate(int n)
{
    const int decine = n / 10;
    return decine != 0 ? conBlank(decine) + conBlank(n % 10) : conBlank(n % 10);
}

void FaiScheda(Contesto &ctx, int tipo, int righe, int colonne, Foglio &foglio)
{
    if (tipo < 15 || tipo > 18)
        return;
    const QString titolo = QString(11, QLatin1Char(' ')) +
                           (tipo <= 16 ? QStringLiteral("ESEGUI LE ADDIZIONI") : QStringLiteral("ESEGUI LE SOTTRAZIONI"));
    foglio.scheda += crlf + titolo + crlf + crlf;
    foglio.correzione += crlf + titolo + crlf + crlf;
    for (int r = 1; r <= righe; ++r) {
        foglio.scheda += QStringLiteral("    ");
        QString riga, rigaCorrezione;
        for (int c = 1; c <= colonne; ++c) {
            const Cella cella = esercizio(ctx, tipo);
            riga += cella.scheda;
            rigaCorrezione += cella.correzione;
            allunga(riga, 25 * c);
            allunga(rigaCorrezione, 25 * c);
        }
        foglio.scheda += riga + QStringLiteral("     ");
        foglio.correzione += rigaCorrezione + QStringLiteral("     ");
        foglio.scheda += crlf + crlf;
        foglio.correzione += crlf + crlf;
    }
}

