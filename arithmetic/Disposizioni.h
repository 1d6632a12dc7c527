// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraAritmetica.h"
#include "abacus/VistaOrbetto.h"

#include <vector>

// Where the arithmetic windows stand. The two-rod windows follow Form99c as
// drawn; the three-rod ones are wider, with room for two exchange buttons.

// Tens of 9 places, units of 19 (9 without exchange). With rod buttons
// ("+ da", "+ u", acting on the press) or without (plain "+"/"-" buttons).
std::vector<GeometriaAsta> asteDecineUnita(bool unitaLunga, bool bottoniAsta);
// Hundreds of 9 places, tens and units of 19.
std::vector<GeometriaAsta> asteCentinaia(bool bottoniAsta);

extern const DisposizioneAritmetica disposizione99;
extern const DisposizioneAritmetica disposizione999;

// Rod x positions, for the windows' own controls beside the rods.
namespace xAsta {
constexpr int decine99 = 1950, unita99 = 5475;
constexpr int centinaia999 = 1500, decine999 = 4950, unita999 = 8400;
} // namespace xAsta

// The same arrangement without the fixed instruction line (the subtraction
// windows have no right-click removal to explain).
DisposizioneAritmetica senzaIstruzione(DisposizioneAritmetica d);
