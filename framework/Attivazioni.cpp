// SPDX-License-Identifier: GPL-3.0-or-later
#include "Attivazioni.h"

#include "FinestraProgramma.h"

void Attivazioni::finestraAttivata(FinestraProgramma *finestra)
{
    if (fermo || finestra == ultima)
        return;
    ultima = finestra;
    finestra->attivata();
}

void Attivazioni::prima(FinestraProgramma *finestra)
{
    ultima = finestra;
    finestra->activateWindow();
    finestra->attivata();
}
