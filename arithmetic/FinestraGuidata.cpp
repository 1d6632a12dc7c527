// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraGuidata.h"

#include "abacus/VistaOrbetto.h"
#include "framework/Contesto.h"

#include <QLabel>

FinestraGuidata::FinestraGuidata(Contesto &c, const QString &nome, const DescrizioneAritmetica &d,
                                 RegoleColonna::Operazione operazione, const DisposizioneAritmetica &disposizione,
                                 const std::vector<GeometriaAsta> &aste, int altezzaPrompt)
    : FinestraAritmetica(c, nome, disposizione, aste), conCambio(d.cambio == Cambio::Con), regole(operazione, d.cambio)
{
    Label5 = etichettaPrompt(QStringLiteral("Label5"), {6300, 2400, 2640, altezzaPrompt});
    if (conCambio)
        BottoneCambio = bottoneCambio(QStringLiteral("BottoneCambio"), {2820, 3150, 1485, 960});
}

void FinestraGuidata::iniziaRegole()
{
    regole.inizia({.primo = conto.primo, .secondo = conto.secondo, .somma = conto.somma});
    mostraPrompt(Label5, regole.primoPrompt());
}

void FinestraGuidata::Controlla()
{
    for (const RegoleColonna::Passo &p : regole.dopo(orbetto().ValoreOrbetto(), orbetto().conteggio(Posto::u))) {
        if (p.suono)
            suona();
        if (p.segni)
            mostraSegni(true);
        if (!p.prompt.isEmpty())
            mostraPrompt(Label5, p.prompt);
        if (p.risultato)
            mostraRisultato();
    }
}
