// SPDX-License-Identifier: GPL-3.0-or-later
#include "Contesto.h"

#include "Piattaforma.h"

double Contesto::Casuale()
{
    return piattaforma.casuale();
}
