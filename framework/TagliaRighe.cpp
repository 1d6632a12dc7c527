// SPDX-License-Identifier: GPL-3.0-or-later
#include "TagliaRighe.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QString crlf = QStringLiteral("\r\n");

} // namespace

QString TagliaRighe(const QString &testo, int larghezza)
{
    // A line of no character could never move on: one is the least.
    const qsizetype L = std::max(1, larghezza + 1);
    qsizetype inizio = 0, fine = testo.size();
    while (inizio < fine && testo.at(inizio) == QLatin1Char(' '))
        ++inizio;
    while (fine > inizio && testo.at(fine - 1) == QLatin1Char(' '))
        --fine;
    QString T = testo.mid(inizio, fine - inizio);
    QString uscita, sospeso;
    for (;;) {
        const qsizetype c = T.indexOf(QLatin1Char('\r')) + 1;
        const qsizetype b = T.indexOf(QLatin1Char(' ')) + 1;
        if (c > 0 && c + sospeso.size() <= L) {
            uscita += sospeso + T.left(c);
            sospeso.clear();
            T.remove(0, c);
            continue;
        }
        if (b == 0) {
            if (sospeso.isEmpty())
                uscita += T + crlf;
            else if (T.size() + sospeso.size() > L)
                uscita += sospeso + crlf + T + crlf;
            else
                uscita += sospeso + T + crlf;
            return uscita;
        }
        if (b + sospeso.size() <= L) {
            sospeso += T.left(b);
            T.remove(0, b);
            continue;
        }
        // A run longer than a line is cut. The run ends at the carriage
        // return when that comes before the next blank: a short word that
        // ends a line is moved to the next line, never cut.
        const qsizetype fineParola = c > 0 && c < b ? c : b;
        if (fineParola > L) {
            // The waiting words go first.
            uscita += sospeso + crlf + T.left(L);
            sospeso.clear();
            T.remove(0, L);
            continue;
        }
        uscita += sospeso + crlf;
        sospeso.clear();
    }
}

QString TagliaEsercizi(const QString &testo, int larghezza)
{
    // Blanks inside an exercise become no-break spaces for the cut, and
    // blanks again afterwards: TagliaRighe breaks only at character 32.
    const QChar unito(0x00A0);
    QString protetto = testo;
    for (qsizetype i = 0; i < protetto.size();) {
        if (protetto.at(i) != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < protetto.size() && protetto.at(j) == QLatin1Char(' '))
            ++j;
        const auto pieno = [&](qsizetype k) {
            return k >= 0 && k < protetto.size() && !protetto.at(k).isSpace() && protetto.at(k) != unito;
        };
        if (j - i <= 2 && pieno(i - 1) && pieno(j))
            for (qsizetype k = i; k < j; ++k)
                protetto[k] = unito;
        i = j;
    }
    return TagliaRighe(protetto, larghezza).replace(unito, QLatin1Char(' '));
}

QStringList righeDaStampare(const QString &tagliato)
{
    static const QRegularExpression aCapo(QStringLiteral("\r\n|\r|\n"));
    QStringList righe = tagliato.split(aCapo);
    if (!righe.isEmpty() && righe.last().isEmpty())
        righe.removeLast();
    return righe;
}

QStringList EserciziDellaRiga(const QString &riga)
{
    static const QRegularExpression tra(QStringLiteral(" {3,}"));
    QStringList esercizi = riga.trimmed().split(tra, Qt::SkipEmptyParts);
    return esercizi;
}

QStringList SpezzaRiga(const QString &riga, int perRiga, int cella)
{
    const QStringList esercizi = EserciziDellaRiga(riga);
    const qsizetype rientro = std::find_if(riga.begin(), riga.end(), [](QChar c) { return c != QLatin1Char(' '); }) - riga.begin();
    const int n = std::max(1, perRiga);
    QStringList righe;
    for (qsizetype i = 0; i < esercizi.size(); i += n) {
        QString linea(rientro, QLatin1Char(' '));
        for (qsizetype j = i; j < std::min(esercizi.size(), i + n); ++j)
            linea += j + 1 < std::min(esercizi.size(), i + n) ? esercizi[j].leftJustified(cella) : esercizi[j];
        righe.append(linea);
    }
    return righe.isEmpty() ? QStringList{riga} : righe;
}
