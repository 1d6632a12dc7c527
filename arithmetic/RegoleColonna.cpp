// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegoleColonna.h"

#include "framework/Testi.h"

void RegoleColonna::inizia(const Operandi &numeri)
{
    n = numeri;
    corrente = Fase::PrimoNumero;
}

QString RegoleColonna::primoPrompt() const
{
    if (op == Operazione::Addizione)
        return QStringLiteral("inserisci il numero ") + TestoConteggio(n.primo) + QStringLiteral(" nell'orbetto");
    return QStringLiteral("inserisci il numero ") + TestoConteggio(n.somma)
           + QStringLiteral(" premendo i bottoni +da  e +u");
}

std::vector<RegoleColonna::Passo> RegoleColonna::dopo(int valore, int unita)
{
    std::vector<Passo> passi;
    if (op == Operazione::Addizione) {
        // One press may go through several steps (a second number of 0, an
        // exchange with nothing to exchange): each has its sound.
        if (corrente == Fase::PrimoNumero && valore == n.primo) {
            corrente = Fase::SecondoNumero;
            passi.push_back({.suono = true, .segni = true,
                             .prompt = QStringLiteral("aggiungi il numero ") + TestoConteggio(n.secondo)
                                       + QStringLiteral(" nell'orbetto")});
        }
        if (corrente == Fase::SecondoNumero && valore == n.somma) {
            corrente = Fase::Cambio;
            passi.push_back({.suono = true, .prompt = QStringLiteral("Esegui il cambio")});
        }
        if (corrente == Fase::Cambio && unita < 10) {
            corrente = Fase::Risultato;
            passi.push_back({.suono = true, .prompt = QStringLiteral("Scrivi il risultato")});
        }
        if (corrente == Fase::Risultato && valore == n.somma)
            passi.push_back({.risultato = true});
        return passi;
    }
    if (corrente == Fase::PrimoNumero && valore == n.somma) {
        corrente = Fase::SecondoNumero;
        passi.push_back({.suono = true,
                         .prompt = QStringLiteral("togli il numero ") + TestoConteggio(n.secondo)
                                   + (cambio == Cambio::Con
                                          ? QStringLiteral(" con i bottoni  -da  e -u. Esegui il cambio se necessario")
                                          : QStringLiteral(" con i bottoni  -da  e -u. "))});
    }
    // The phase stays: every later return to the result says it again, sound included.
    if (corrente == Fase::SecondoNumero && valore == n.primo)
        passi.push_back({.suono = true, .prompt = QStringLiteral("scrivi il risultato"), .risultato = true});
    return passi;
}
