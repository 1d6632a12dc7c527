// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumeriInLettere.h"

#include <array>

namespace {

// NomiNumeri: slot r + 1 holds the word of r (0 to 20), slot t + 19 the word
// of the tens t * 10 (20 to 90). Slot 0 is never used.
constexpr std::array<const char *, 29> NomiNumeri = {
    "",        "",          "UNO",     "DUE",      "TRE",      "QUATTRO",   "CINQUE",
    "SEI",     "SETTE",     "OTTO",    "NOVE",     "DIECI",    "UNDICI",    "DODICI",
    "TREDICI", "QUATTORDICI", "QUINDICI", "SEDICI", "DICIASSETTE", "DICIOTTO", "DICIANNOVE",
    "VENTI",   "TRENTA",    "QUARANTA", "CINQUANTA", "SESSANTA", "SETTANTA",  "OTTANTA",
    "NOVANTA",
};

QString parola(int slot)
{
    return QString::fromLatin1(NomiNumeri.at(std::size_t(slot)));
}

// The words of a group of three digits, 1 to 999.
void appendiGruppo(QString &testo, int gruppo)
{
    int resto = gruppo;
    if (gruppo > 99) {
        const int centinaia = gruppo / 100;
        resto = gruppo - 100 * centinaia;
        if (centinaia != 1)
            testo += parola(centinaia + 1);
        testo += QStringLiteral("CENTO");
    }
    if (resto <= 20) {
        testo += parola(resto + 1);
        return;
    }
    const int decine = resto / 10;
    const int unita = resto - 10 * decine;
    testo += parola(decine + 19);
    // VENTUNO, TRENTOTTO: the tens word drops its vowel before 1 and 8.
    if (unita == 1 || unita == 8)
        testo.chop(1);
    testo += parola(unita + 1);
}

} // namespace

QString NumeroInLettere(int numero)
{
    if (numero < 0 || numero > 32767)
        return {};
    QString testo;
    const int migliaia = numero / 1000;
    const int unita = numero - 1000 * migliaia;
    if (migliaia > 0) {
        appendiGruppo(testo, migliaia);
        if (migliaia == 1) {
            testo.chop(3); // the "UNO" just written
            testo += QStringLiteral("MILLE");
        } else {
            testo += QStringLiteral("MILA");
        }
    }
    if (unita > 0)
        appendiGruppo(testo, unita);
    if (testo.isEmpty())
        return QStringLiteral("ZERO");
    // VENTITRÉ, CENTOTRÉ, MILLETRÉ: a compound ending in TRE takes the accent;
    // TRE alone and TRE inside a word (TRENTA, VENTITREMILA) do not.
    if (numero > 3 && testo.endsWith(QLatin1String("TRE")))
        testo.back() = QChar(0xC9); // É
    return testo;
}

QString ParoleSenzaVarianti(const QString &parole)
{
    QString t = parole;
    if (t.endsWith(QStringView(u"TR\u00C9")))
        t.back() = QLatin1Char('E');
    // The dictionary elides CENTO before OTTO and OTTANTA; CENTOTT never
    // occurs otherwise (CENTOTRE, CENTOTRENTA have TR).
    t.replace(QLatin1String("CENTOTT"), QLatin1String("CENTOOTT"));
    return t;
}

bool ParoleUguali(const QString &risposta, int numero)
{
    const QString parole = NumeroInLettere(numero);
    // TRÉ alone is no spelling of 3.
    if (risposta.endsWith(QChar(0xC9)) && !parole.endsWith(QChar(0xC9)))
        return false;
    return ParoleSenzaVarianti(risposta) == ParoleSenzaVarianti(parole);
}

int LetteraMaiuscola(int codice)
{
    if (codice >= 97 && codice <= 122)
        return codice - 32;
    // à è é ì ò ù, as an Italian keyboard types them, to À È É Ì Ò Ù.
    switch (codice) {
    case 0xE0: case 0xE8: case 0xE9: case 0xEC: case 0xF2: case 0xF9:
        return codice - 32;
    default:
        return codice;
    }
}
