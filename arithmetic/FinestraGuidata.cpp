// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraGuidata.h"

FinestraGuidata::FinestraGuidata(Contesto &c, const QString &nome, const DescrizioneAritmetica &d,
                                 const DisposizioneAritmetica &disposizione, const std::vector<GeometriaAsta> &aste,
                                 int altezzaPrompt)
    : FinestraAritmetica(c, nome, disposizione, aste), conCambio(d.cambio == Cambio::Con)
{
    Label5 = etichettaPrompt(QStringLiteral("Label5"), {6300, 2400, 2640, altezzaPrompt});
    if (conCambio)
        BottoneCambio = bottoneCambio(QStringLiteral("BottoneCambio"), {2820, 3150, 1485, 960});
}
