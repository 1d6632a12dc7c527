// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraAritmetica.h"
#include "RegoleColonna.h"

// The guided two-rod windows (Form99c, Form99c1, Form99d, Form99d1): the
// rules of the guided column decide, the window shows: the prompt in Label5,
// the sounds, the marks, the result box; and, where the operation has one,
// the "Cambio" button between the rods.
class FinestraGuidata : public FinestraAritmetica
{
    Q_OBJECT
public:
    FinestraGuidata(Contesto &ctx, const QString &nome, const DescrizioneAritmetica &descrizione,
                    RegoleColonna::Operazione operazione, const DisposizioneAritmetica &disposizione,
                    const std::vector<GeometriaAsta> &aste, int altezzaPrompt);

    // The pupil's step, numbered from 1.
    int fase() const { return int(regole.fase()); }

protected:
    void dopoAggiunta(Posto) override { Controlla(); }
    void dopoRimozione(Posto) override { Controlla(); }
    // Asks the rules about the abacus as it is now and shows their steps.
    void Controlla();
    // The operation in the context, from its first step.
    void iniziaRegole();

    const bool conCambio;
    QLabel *Label5;
    QPushButton *BottoneCambio = nullptr;

private:
    RegoleColonna regole;
};
