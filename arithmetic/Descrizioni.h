// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraAritmetica.h"

// The six column-arithmetic windows, as the catalogue names them; each is
// built by its own class (Addizioni.h, Sottrazioni.h) from its row.
namespace finestreAritmetica {
extern const DescrizioneAritmetica addizioniConCambio, addizioniSenzaCambio, addizioniCentinaia;
extern const DescrizioneAritmetica sottrazioniConCambio, sottrazioniSenzaCambio, sottrazioniCentinaia;
}
