// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraGuidata.h"

FinestraGuidata::FinestraGuidata(Contesto &c, const QString &nome, const DisposizioneAritmetica &disposizione,
                                 const std::vector<GeometriaAsta> &aste, bool cambio, int altezzaPrompt)
    : FinestraAritmetica(c, nome, disposizione, aste), conCambio(cambio)
{
    Label5 = etichettaPrompt(QStringLiteral("Label5"), {6300, 2400, 2640, altezzaPrompt});
    if (conCambio)
        BottoneCambio = bottoneCambio(QStringLiteral("BottoneCambio"), {2820, 3150, 1485, 960});
}
