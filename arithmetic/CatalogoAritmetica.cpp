#include "CatalogoAritmetica.h"

#include "Addizioni.h"

FinestraProgramma *creaFinestraAritmetica(const QString &nome, Contesto &ctx)
{
    if (nome == QLatin1String("Form99c"))
        return new AddizioneGuidata(ctx, true);
    if (nome == QLatin1String("Form99c1"))
        return new AddizioneGuidata(ctx, false);
    if (nome == QLatin1String("Form999c"))
        return new Addizione999(ctx);
    return nullptr;
}
