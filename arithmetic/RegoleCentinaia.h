// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RegoleColonna.h"

#include <QString>

// The unguided column on three rods of Form999c and Form999d, without a
// widget: after each move, what the abacus shows decides the prompt and
// whether the result box opens.
class RegoleCentinaia
{
public:
    using Operazione = RegoleColonna::Operazione;
    using Operandi = RegoleColonna::Operandi;

    // The beads on each rod.
    struct Aste {
        int h = 0, da = 0, u = 0;
        int valore() const { return 100 * h + 10 * da + u; }
    };
    enum class Mossa { Aggiunta, Rimozione, Cambio };
    // What the window does after a move: a new prompt (empty: the same),
    // and whether the result box opens.
    struct Passo {
        QString prompt = {};
        bool risultato = false;
    };

    explicit RegoleCentinaia(Operazione operazione) : op(operazione) {}

    void inizia(const Operandi &numeri) { n = numeri; }
    // The digits of the number the addition starts from: each rod's marker
    // shows once the rod holds its digit.
    Aste cifrePrimo() const { return {n.primo / 100, n.primo / 10 % 10, n.primo % 10}; }
    // The subtraction's prompt for a new operation, and after "Ricomincia".
    QString primoPrompt() const;
    QString promptDaCapo() const;
    Passo dopo(Mossa mossa, const Aste &aste) const;

private:
    Operazione op;
    Operandi n;
};
