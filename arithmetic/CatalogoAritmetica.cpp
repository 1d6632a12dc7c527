// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogoAritmetica.h"

#include "Addizioni.h"
#include "Sottrazioni.h"

namespace {

template <class Finestra>
FinestraProgramma *crea(Contesto &ctx, const DescrizioneAritmetica &d)
{
    return new Finestra(ctx, d);
}

struct RigaAritmetica {
    DescrizioneAritmetica descrizione;
    FinestraProgramma *(*crea)(Contesto &, const DescrizioneAritmetica &);
};

// The composer's sheets: 15 and 16 additions, 17 and 18 subtractions, with
// and without the exchange.
const RigaAritmetica finestre[] = {
    {.descrizione = {.nome = "Form99c", .voceStampa = "mnustampa", .tipoScheda = 15}, .crea = crea<AddizioneGuidata>},
    {.descrizione = {.nome = "Form99c1", .cambio = Cambio::Senza, .voceStampa = "mnustampa", .tipoScheda = 16},
     .crea = crea<AddizioneGuidata>},
    {.descrizione = {.nome = "Form999c"}, .crea = crea<Addizione999>},
    {.descrizione = {.nome = "Form99d", .voceStampa = "mnuStampa", .tipoScheda = 17}, .crea = crea<SottrazioneGuidata>},
    {.descrizione = {.nome = "Form99d1", .cambio = Cambio::Senza, .voceStampa = "mnuStampa", .tipoScheda = 18},
     .crea = crea<SottrazioneGuidata>},
    {.descrizione = {.nome = "Form999d"}, .crea = crea<Sottrazione999>},
};

} // namespace

FinestraProgramma *creaFinestraAritmetica(const QString &nome, Contesto &ctx)
{
    for (const RigaAritmetica &r : finestre)
        if (nome == QLatin1String(r.descrizione.nome))
            return r.crea(ctx, r.descrizione);
    return nullptr;
}
