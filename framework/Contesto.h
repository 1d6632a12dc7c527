// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include "Attivazioni.h"

#include <cmath>

class Piattaforma;

// The one object that holds what every window shares: the values of the
// run, the platform services and which window is current. main() builds
// the real one; each test builds a fresh one on the test platform.
class Contesto
{
public:
    explicit Contesto(Piattaforma &p) : piattaforma(p) {}
    Contesto(const Contesto &) = delete;
    Contesto &operator=(const Contesto &) = delete;

    Piattaforma &piattaforma;
    Attivazioni attivazioni;

    // Shared values of the run (all 16-bit, as the exercises count them).
    qint16 ContaEsatti = 0;
    qint16 ContaErrati = 0;
    bool AttendiBottone = false;
    qint16 NumeroMassimo = 0;
    qint16 NumeroCorrente = 0;
    // Arithmetic: always Somma = PrimoAddendo + SecondoAddendo.
    qint16 PrimoAddendo = 0;
    qint16 SecondoAddendo = 0;
    qint16 Somma = 0;
    qint16 TipoScheda = 0;

    // The size the teacher gave the windows, for every window opened later
    // in the run: the scale of a normal window, and whether they were
    // maximised or on the full screen.
    double scala = 1.0;
    bool massimizzate = false;
    bool schermoIntero = false;

    double Casuale();
    // floor(Casuale * n): an integer from 0 to n - 1.
    int estrai(int n) { return int(std::floor(Casuale() * n)); }
};

// A counter that stops at the largest 16-bit value instead of wrapping.
inline qint16 piuUno(qint16 v)
{
    return v < 32767 ? qint16(v + 1) : v;
}
