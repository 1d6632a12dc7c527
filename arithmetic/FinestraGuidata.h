// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraAritmetica.h"

// The guided two-rod windows (Form99c, Form99c1, Form99d, Form99d1): a phase,
// a prompt in Label5 and, where the operation has one, the "Cambio" button
// between the rods. Each window keeps its own Controlla beside its prompts.
class FinestraGuidata : public FinestraAritmetica
{
    Q_OBJECT
public:
    FinestraGuidata(Contesto &ctx, const QString &nome, const DescrizioneAritmetica &descrizione,
                    const DisposizioneAritmetica &disposizione,
                    const std::vector<GeometriaAsta> &aste, int altezzaPrompt);

    int fase() const { return Fase; }

protected:
    void dopoAggiunta(Posto) override { Controlla(); }
    void dopoRimozione(Posto) override { Controlla(); }
    virtual void Controlla() = 0;

    const bool conCambio;
    QLabel *Label5;
    QPushButton *BottoneCambio = nullptr;
    int Fase = 1;
};
