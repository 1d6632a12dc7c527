// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestoRiepilogo.h"

#include <QLocale>

#include <cmath>

namespace riepilogo {

QString durata(double secondi)
{
    const qint64 s = std::llround(std::max(0.0, secondi));
    if (s < 60)
        return QStringLiteral("%1 s").arg(s);
    if (s < 3600)
        return QStringLiteral("%1 min %2 s").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1 h %2 min").arg(s / 3600).arg(s % 3600 / 60, 2, 10, QLatin1Char('0'));
}

QString rigaClasse(Classe classe)
{
    if (classe == Classe::Libera)
        return QStringLiteral("Classe: ____________");
    return QStringLiteral("Classe: ") + nomeClasse(classe);
}

QString rigaData(const QDate &giorno)
{
    return QStringLiteral("Data: ") + QLocale(QLocale::Italian).toString(giorno, QStringLiteral("dddd d MMMM yyyy"));
}

RegistroLezione::Riga totale(const QList<RegistroLezione::Riga> &righe)
{
    RegistroLezione::Riga t{.esercizio = QStringLiteral("Totale")};
    for (const RegistroLezione::Riga &r : righe) {
        t.secondi += r.secondi;
        t.esatti += r.esatti;
        t.errati += r.errati;
        t.visite += r.visite;
    }
    return t;
}

namespace {

constexpr int colonnaEsercizio = 30;
constexpr int colonnaTempo = 12;
constexpr int colonnaNumeri = 8;

QString riga(const QString &esercizio, const QString &tempo, const QString &esatti, const QString &errati)
{
    return QStringLiteral("  ") + esercizio.leftJustified(colonnaEsercizio) + tempo.rightJustified(colonnaTempo)
           + esatti.rightJustified(colonnaNumeri) + errati.rightJustified(colonnaNumeri);
}

QString rigaDi(const RegistroLezione::Riga &r)
{
    return riga(r.esercizio, durata(r.secondi), QString::number(r.esatti), QString::number(r.errati));
}

} // namespace

QStringList righeSulFoglio(const QList<RegistroLezione::Riga> &righe, Classe classe, bool tranquilla,
                           const QDate &giorno)
{
    // The name is written by hand: the program knows no pupil.
    QStringList foglio{QStringLiteral("Riepilogo della lezione"), QString(), rigaClasse(classe), rigaData(giorno),
                       QStringLiteral("Nome: ______________________________")};
    if (tranquilla)
        foglio << QStringLiteral("Modalità tranquilla");
    foglio << QString();
    if (righe.isEmpty()) {
        foglio << QStringLiteral("Nessun esercizio svolto.");
        return foglio;
    }
    const QString trattino = QString(2 + colonnaEsercizio + colonnaTempo + 2 * colonnaNumeri, QLatin1Char('-'));
    foglio << riga(QStringLiteral("Esercizio"), QStringLiteral("Tempo"), QStringLiteral("Esatti"),
                   QStringLiteral("Errati"))
           << trattino;
    QString sezione;
    for (const RegistroLezione::Riga &r : righe) {
        if (r.sezione != sezione)
            foglio << r.sezione;
        sezione = r.sezione;
        foglio << rigaDi(r);
    }
    foglio << trattino << rigaDi(totale(righe));
    return foglio;
}

} // namespace riepilogo
