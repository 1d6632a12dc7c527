// SPDX-License-Identifier: GPL-3.0-or-later
#include "Contesto.h"

#include "Piattaforma.h"

Contesto::Contesto(Piattaforma &p) : piattaforma(p), voce(p) {}

double Contesto::Casuale()
{
    return piattaforma.casuale();
}
