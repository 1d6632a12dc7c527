// SPDX-License-Identifier: GPL-3.0-or-later
#include "Risposte.h"

#include <cmath>

namespace {

// Reads the next character that is not a blank, or QChar() at the end.
class Lettore
{
public:
    explicit Lettore(const QString &t) : testo(t) {}

    QChar guarda()
    {
        while (i < testo.size() && testo.at(i) == QLatin1Char(' '))
            ++i;
        return i < testo.size() ? testo.at(i) : QChar();
    }
    void avanza() { ++i; }

private:
    const QString &testo;
    qsizetype i = 0;
};

int valoreCifra(QChar c, int base)
{
    int v = -1;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        v = c.unicode() - '0';
    else if (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'))
        v = c.toUpper().unicode() - 'A' + 10;
    return v < base ? v : -1;
}

LetturaNumero interoInBase(Lettore &l, int base)
{
    LetturaNumero r;
    double valore = 0;
    for (int v; (v = valoreCifra(l.guarda(), base)) >= 0; l.avanza()) {
        valore = valore * base + v;
        r.numero = true;
    }
    r.valore = valore;
    return r;
}

} // namespace

LetturaNumero ValoreDigitato(const QString &testo)
{
    Lettore l(testo);
    if (l.guarda() == QLatin1Char('&')) {
        l.avanza();
        const QChar tipo = l.guarda().toUpper();
        if (tipo != QLatin1Char('H') && tipo != QLatin1Char('O'))
            return {};
        l.avanza();
        const LetturaNumero r = interoInBase(l, tipo == QLatin1Char('H') ? 16 : 8);
        // Too many digits to hold: no number at all, never an infinity.
        return r.numero && std::isfinite(r.valore) ? r : LetturaNumero{};
    }

    // The decimal form is gathered as text and converted once, so that 0.1
    // and 1e2 come out exactly as written.
    QString numero;
    bool cifre = false;
    const QChar segno = l.guarda();
    if (segno == QLatin1Char('+') || segno == QLatin1Char('-')) {
        numero += segno;
        l.avanza();
    }
    for (QChar c; (c = l.guarda()).isDigit() && c.unicode() < 128; l.avanza()) {
        numero += c;
        cifre = true;
    }
    if (l.guarda() == QLatin1Char('.')) {
        numero += QLatin1Char('.');
        l.avanza();
        for (QChar c; (c = l.guarda()).isDigit() && c.unicode() < 128; l.avanza()) {
            numero += c;
            cifre = true;
        }
    }
    if (!cifre)
        return {};
    const QChar e = l.guarda().toUpper();
    if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
        l.avanza();
        QString esponente;
        const QChar s = l.guarda();
        if (s == QLatin1Char('+') || s == QLatin1Char('-')) {
            esponente += s;
            l.avanza();
        }
        bool cifreEsponente = false;
        for (QChar c; (c = l.guarda()).isDigit() && c.unicode() < 128; l.avanza()) {
            esponente += c;
            cifreEsponente = true;
        }
        if (cifreEsponente)
            numero += QLatin1Char('e') + esponente;
    }
    bool ok = false;
    const double valore = numero.toDouble(&ok);
    // toDouble refuses what overflows; such a value is no number a pupil means.
    if (!ok || !std::isfinite(valore))
        return {};
    return {true, valore};
}

bool digitatoUguale(const QString &testo, int numero)
{
    const LetturaNumero letto = ValoreDigitato(testo);
    return letto.numero && letto.valore == double(numero);
}

QString SoloCifre(const QString &testo)
{
    QString cifre;
    for (QChar c : testo)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            cifre += c;
    return cifre;
}

int numeroDaCifre(const QString &cifre)
{
    qsizetype inizio = 0;
    while (inizio < cifre.size() && cifre.at(inizio) == QLatin1Char('0'))
        ++inizio;
    const QString significative = cifre.mid(inizio);
    if (significative.size() > 9)
        return -1;
    return significative.isEmpty() ? 0 : significative.toInt();
}

QString RispostaInLettere(const QString &testo)
{
    qsizetype inizio = 0, fine = testo.size();
    while (inizio < fine && testo.at(inizio) == QLatin1Char(' '))
        ++inizio;
    while (fine > inizio && testo.at(fine - 1) == QLatin1Char(' '))
        --fine;
    return testo.mid(inizio, fine - inizio);
}
