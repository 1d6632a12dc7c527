// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pronuncia.h"

#include "NumeriInLettere.h"

#include <QHash>
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
    // The rod buttons' captions: what the button does, not its letters.
    static const QRegularExpression bottone(QStringLiteral("([+-])\\s?(k|h|da|u)(?![\\w'])"));
    static const QHash<QString, QString> posti = {{QStringLiteral("k"), QStringLiteral("delle migliaia")},
                                                  {QStringLiteral("h"), QStringLiteral("delle centinaia")},
                                                  {QStringLiteral("da"), QStringLiteral("delle decine")},
                                                  {QStringLiteral("u"), QStringLiteral("delle unità")}};
    QString parlato;
    qsizetype da = 0;
    for (auto it = bottone.globalMatch(detto); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        parlato += detto.mid(da, m.capturedStart() - da);
        parlato += (m.captured(1) == QLatin1String("+") ? QStringLiteral(" più ") : QStringLiteral(" meno "))
                   + posti.value(m.captured(2));
        da = m.capturedEnd();
    }
    detto = parlato + detto.mid(da);
    detto.replace(QLatin1Char('+'), QStringLiteral(" più "));
    detto.replace(QLatin1Char('-'), QStringLiteral(" meno "));
    detto.replace(QLatin1Char('='), QStringLiteral(" uguale "));
    return detto.toLower().simplified();
}

QString OperazioneDaDire(const QString &operazione)
{
    QString domanda = operazione.trimmed();
    if (domanda.endsWith(QLatin1Char('=')))
        domanda.chop(1);
    return QStringLiteral("quanto fa ") + TestoDaDire(domanda) + QLatin1Char('?');
}

QString UnisciFrasi(const QStringList &frasi)
{
    QString detto;
    for (const QString &f : frasi) {
        if (f.isEmpty())
            continue;
        if (!detto.isEmpty()) {
            const QChar ultimo = detto.back();
            detto += ultimo == QLatin1Char('?') || ultimo == QLatin1Char('!') || ultimo == QLatin1Char('.')
                         ? QStringLiteral(" ") : QStringLiteral(". ");
        }
        detto += f;
    }
    return detto;
}
