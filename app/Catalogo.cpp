// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalogo.h"

#include "forming/FinestraFormare.h"
#include "reading/FinestraLeggere.h"
#include "arithmetic/CatalogoAritmetica.h"
#include "worksheets/FinestraScheda.h"

FinestraProgramma *creaFinestra(const QString &nome, Contesto &ctx)
{
    // Each family of windows builds the members it knows by name.
    using Famiglia = FinestraProgramma *(*)(const QString &, Contesto &);
    for (Famiglia crea : {&creaFinestraFormare, &creaFinestraLeggere, &creaFinestraAritmetica, &creaFinestraScheda})
        if (FinestraProgramma *f = crea(nome, ctx))
            return f;
    return nullptr;
}
