// SPDX-License-Identifier: GPL-3.0-or-later
#include "Estrazioni.h"

#include "framework/Contesto.h"

#include <cmath>

namespace {

// The lesson's class year bounds the sums as it bounds the forming windows
// of the same range (never below 19 or 199); "libera" keeps 99 and 999.
int massimoDecine(const Contesto &ctx)
{
    return massimoPerClasse(ctx.classe, 99, 19);
}

int massimoCentinaia(const Contesto &ctx)
{
    return massimoPerClasse(ctx.classe, 999, 199);
}

} // namespace

Operazione estraiConCambio99(Contesto &ctx)
{
    Operazione o;
    o.somma = qint16(ctx.estrai(massimoDecine(ctx) - 10) + 10);
    o.primo = qint16(ctx.estrai(o.somma - 10) + 5);
    o.secondo = qint16(o.somma - o.primo);
    return o;
}

Operazione estraiConCambio999(Contesto &ctx)
{
    Operazione o;
    o.somma = qint16(ctx.estrai(massimoCentinaia(ctx)) + 1);
    o.primo = qint16(ctx.estrai(o.somma));
    o.secondo = qint16(o.somma - o.primo);
    return o;
}

Operazione estraiSenzaCambio(Contesto &ctx)
{
    int decine = 0, unita = 0;
    // With both digits of the sum below 2 the only first number would be 0,
    // and the redraw of the first number could never end: a new sum instead.
    // So is a sum above the class year's limit (never with 99).
    const int massimo = massimoDecine(ctx);
    while ((decine < 2 && unita < 2) || 10 * decine + unita > massimo) {
        decine = ctx.estrai(10);
        unita = ctx.estrai(10);
    }
    int primo = 0;
    while (primo == 0) {
        const int a = int(std::floor(decine * ctx.Casuale()));
        const int b = int(std::floor(unita * ctx.Casuale()));
        primo = 10 * a + b;
    }
    Operazione o;
    o.somma = qint16(10 * decine + unita);
    o.primo = qint16(primo);
    o.secondo = qint16(o.somma - o.primo);
    return o;
}
