// SPDX-License-Identifier: GPL-3.0-or-later
#include "Contesto.h"

#include "Navigatore.h"
#include "Piattaforma.h"

Contesto::Contesto(Piattaforma &p)
    : piattaforma(p), navigatore(*new Navigatore(*this)), nav(&navigatore)
{
}

Contesto::~Contesto() = default;

double Contesto::Casuale()
{
    return piattaforma.casuale();
}
