// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pronuncia.h"

#include "NumeriInLettere.h"

#include <QRegularExpression>

QString NumeroDaDire(int numero)
{
    if (numero < 0 || numero > 32767)
        return {};
    if (numero == 0)
        return NumeroInLettere(0).toLower();
    // Thousands, hundreds and the rest each as its own word.
    const int parti[] = {numero / 1000 * 1000, numero % 1000 / 100 * 100, numero % 100};
    QStringList parole;
    for (const int parte : parti)
        if (parte > 0)
            parole.append(NumeroInLettere(parte).toLower());
    return parole.join(QLatin1Char(' '));
}

QString TestoDaDire(const QString &testo)
{
    static const QRegularExpression numeri(QStringLiteral("\\d{1,2}(?:\\.\\d{3})+(?!\\d)|\\d+"));
    QString detto;
    qsizetype dopo = 0;
    for (auto it = numeri.globalMatch(testo); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        detto += testo.mid(dopo, m.capturedStart() - dopo);
        QString cifre = m.captured();
        cifre.remove(QLatin1Char('.'));
        bool ok = false;
        const int n = cifre.toInt(&ok);
        const QString parole = ok ? NumeroDaDire(n) : QString();
        detto += parole.isEmpty() ? m.captured() : parole;
        dopo = m.capturedEnd();
    }
    detto += testo.mid(dopo);
    detto.replace(QLatin1Char('+'), QStringLiteral(" più "));
    detto.replace(QLatin1Char('-'), QStringLiteral(" meno "));
    detto.replace(QLatin1Char('='), QStringLiteral(" uguale "));
    return detto.toLower().simplified();
}
