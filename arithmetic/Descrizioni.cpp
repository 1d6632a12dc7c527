// SPDX-License-Identifier: GPL-3.0-or-later
#include "Descrizioni.h"

// The composer's sheets their "Stampa scheda" opens: 15 and 16 additions,
// 17 and 18 subtractions, with and without the exchange.
namespace finestreAritmetica {
const DescrizioneAritmetica addizioniConCambio = {.voceStampa = "mnustampa", .tipoScheda = 15};
const DescrizioneAritmetica addizioniSenzaCambio = {
    .cambio = Cambio::Senza, .voceStampa = "mnustampa", .tipoScheda = 16};
const DescrizioneAritmetica addizioniCentinaia = {};
const DescrizioneAritmetica sottrazioniConCambio = {.voceStampa = "mnuStampa", .tipoScheda = 17};
const DescrizioneAritmetica sottrazioniSenzaCambio = {
    .cambio = Cambio::Senza, .voceStampa = "mnuStampa", .tipoScheda = 18};
const DescrizioneAritmetica sottrazioniCentinaia = {};
} // namespace finestreAritmetica
