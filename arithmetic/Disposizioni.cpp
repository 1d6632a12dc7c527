// SPDX-License-Identifier: GPL-3.0-or-later
#include "Disposizioni.h"

namespace {

GeometriaAsta astaLarga(Posto p, int x, int posti, const char *didascalia, bool bottone)
{
    GeometriaAsta g;
    g.posto = p;
    g.posti = posti;
    g.filoAlto = {x, 2010};
    g.filoBasso = {x, 5700};
    const int larghezza = p == Posto::u ? 435 : 540;
    g.pallina0 = {x - larghezza / 2, p == Posto::u ? 5310 : 5355};
    g.pallina = {larghezza, 435};
    if (bottone) {
        g.bottone = {x - 480, 5760, 975, 735};
        g.didascalia = QString::fromLatin1(didascalia);
    }
    if (posti > 9) {
        g.posto9 = {g.pallina0.x(), 1470};
        g.secondaColonnaX = g.pallina0.x() - larghezza + 15;
        g.prolungaAlto = {x, 1530};
        g.prolungaBasso = {x, 1960};
    }
    return g;
}

} // namespace

std::vector<GeometriaAsta> asteDecineUnita(bool unitaLunga, bool bottoniAsta)
{
    GeometriaAsta da;
    da.posto = Posto::da;
    da.filoAlto = {xAsta::decine99, 2010};
    da.filoBasso = {xAsta::decine99, 5700};
    da.pallina0 = {1680, 5355};
    da.pallina = {540, 435};
    GeometriaAsta u;
    u.posto = Posto::u;
    u.posti = unitaLunga ? 19 : 9;
    u.filoAlto = {xAsta::unita99, 1935};
    u.filoBasso = {xAsta::unita99, 5700};
    u.pallina0 = {5250, 5310};
    u.pallina = {435, 435};
    u.posto9 = {5250, 1470};
    u.secondaColonnaX = 4830;
    if (bottoniAsta) {
        da.bottone = {1470, 5760, 975, 735};
        da.didascalia = QStringLiteral("+ da");
        u.bottone = {4800, 5760, 975, 735};
        u.didascalia = QStringLiteral("+ u");
    }
    if (unitaLunga) {
        da.prolungaAlto = {1935, 1530};
        da.prolungaBasso = {1935, 1960};
        u.prolungaAlto = {xAsta::unita99, 1530};
        u.prolungaBasso = {xAsta::unita99, 1960};
    }
    return {da, u};
}

std::vector<GeometriaAsta> asteCentinaia(bool bottoniAsta)
{
    return {astaLarga(Posto::h, xAsta::centinaia999, 9, "h", bottoniAsta),
            astaLarga(Posto::da, xAsta::decine999, 19, "da", bottoniAsta),
            astaLarga(Posto::u, xAsta::unita999, 19, "u", bottoniAsta)};
}

const DisposizioneAritmetica disposizione99{
    .larghezza = 9600,
    .altezza = 7275,
    .numero = {45, 195, 3495, 615},
    .risultato = {3600, 120, 1455, 855},
    .ricomincia = {6720, 4080},
    .avanti = {6720, 5520},
    .riscontro = {{7200, 360}, {7035, 1410}, {7875, 1290}, {7080, 1920}, {7965, 1800}},
    .istruzione = {480, 6600},
};

// The three-rod windows: 3000 twips wider, the right-hand column moved along.
const DisposizioneAritmetica disposizione999{
    .larghezza = 12600,
    .altezza = 7275,
    .numero = {45, 195, 3495, 615},
    .risultato = {3600, 120, 1455, 855},
    .ricomincia = {9960, 4080},
    .avanti = {9960, 5520},
    .riscontro = {{10440, 360}, {10275, 1410}, {11115, 1290}, {10320, 1920}, {11205, 1800}},
    .istruzione = {480, 6600},
};

DisposizioneAritmetica senzaIstruzione(DisposizioneAritmetica d)
{
    d.istruzione = {};
    return d;
}
