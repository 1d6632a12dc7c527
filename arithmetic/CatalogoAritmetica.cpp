// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogoAritmetica.h"

#include "Addizioni.h"
#include "Sottrazioni.h"

FinestraProgramma *creaFinestraAritmetica(const QString &nome, Contesto &ctx)
{
    if (nome == QLatin1String("Form99c"))
        return new AddizioneGuidata(ctx, true);
    if (nome == QLatin1String("Form99c1"))
        return new AddizioneGuidata(ctx, false);
    if (nome == QLatin1String("Form999c"))
        return new Addizione999(ctx);
    if (nome == QLatin1String("Form99d"))
        return new SottrazioneGuidata(ctx, true);
    if (nome == QLatin1String("Form99d1"))
        return new SottrazioneGuidata(ctx, false);
    if (nome == QLatin1String("Form999d"))
        return new Sottrazione999(ctx);
    return nullptr;
}
