// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegoleCentinaia.h"

QString RegoleCentinaia::primoPrompt() const
{
    return QStringLiteral(" Inserisci il primo numero premendo sui bottoni +h  +da  +u");
}

QString RegoleCentinaia::promptDaCapo() const
{
    return QStringLiteral(" Inserisci il primo numero premendo sui bottoni di centinaia, decine ed unità.");
}

RegoleCentinaia::Passo RegoleCentinaia::dopo(Mossa mossa, const Aste &a) const
{
    // A rod above nine is an exchange still to do: the abacus does not yet
    // show the number.
    const bool inColonna = a.u <= 9 && a.da <= 9;
    if (op == Operazione::Addizione)
        return {.risultato = inColonna && a.valore() == n.somma};
    // The subtraction: the first number formed, then the beads taken off
    // down to the difference.
    if (mossa == Mossa::Aggiunta && a.valore() == n.somma)
        return {.prompt = QStringLiteral(" Togli le palline da eliminare cliccando sui bottoni -h  -da  -u.     "
                                         "Esegui se necessario il cambio.")};
    if (mossa == Mossa::Rimozione && inColonna && a.valore() == n.primo)
        return {.prompt = QStringLiteral("Inserisci il risultato"), .risultato = true};
    return {};
}
