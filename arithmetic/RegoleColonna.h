// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Cambio.h"

#include <QString>

#include <vector>

// The guided column of Form99c, Form99c1, Form99d and Form99d1, without a
// widget: the phase the pupil is in, judged from what the abacus shows
// after each bead or exchange, and what the window must do about it.
class RegoleColonna
{
public:
    enum class Operazione { Addizione, Sottrazione };
    // Numbered as the pupils' steps.
    enum class Fase { PrimoNumero = 1, SecondoNumero = 2, Cambio = 3, Risultato = 4 };

    // One step forward: its sound, the marks of the addition, the new
    // prompt, and whether the result box opens.
    struct Passo {
        bool suono = false;
        bool segni = false;
        QString prompt = {};
        bool risultato = false;
    };

    struct Operandi {
        int primo = 0, secondo = 0, somma = 0; // somma = primo + secondo
    };

    RegoleColonna(Operazione operazione, Cambio conCambio) : op(operazione), cambio(conCambio) {}

    // A new operation, or the same again: back to the first step.
    void inizia(const Operandi &numeri);
    Fase fase() const { return corrente; }
    // What the first step asks.
    QString primoPrompt() const;
    // After a bead was added or taken off, or an exchange was made: the
    // abacus's value and the beads on its units rod. The steps taken, in order.
    std::vector<Passo> dopo(int valore, int unita);

private:
    Operazione op;
    Cambio cambio;
    Operandi n;
    Fase corrente = Fase::PrimoNumero;
};
