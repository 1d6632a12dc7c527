// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "Attivazioni.h"
#include "Classe.h"
#include "Dizione.h"
#include "Punteggio.h"

#include <cmath>

class Piattaforma;

// The values the windows share for the run, by the names they always had.
enum class Condiviso {
    AttendiBottone, NumeroMassimo,
};

// The one object that holds what every window shares: the values of the
// run, the platform services and which window is current. main() builds
// the real one; each test builds a fresh one on the test platform. A
// shared value reads as itself and is written as always (ctx.NumeroMassimo = 99);
// every write is signalled, so whatever shows a value follows it.
class Contesto : public QObject
{
    Q_OBJECT
public:
    template <class T>
    class Valore
    {
    public:
        Valore(Contesto &proprietario, Condiviso quale, T iniziale = T())
            : ctx(proprietario), chi(quale), v(iniziale)
        {
        }
        Valore(const Valore &) = delete;
        operator T() const { return v; }
        Valore &operator=(T nuovo)
        {
            v = nuovo;
            emit ctx.cambiato(chi);
            return *this;
        }
        Valore &operator=(const Valore &altro) { return *this = T(altro); }

    private:
        Contesto &ctx;
        const Condiviso chi;
        T v;
    };

    explicit Contesto(Piattaforma &p);
    Contesto(const Contesto &) = delete;
    Contesto &operator=(const Contesto &) = delete;

    Piattaforma &piattaforma;
    Attivazioni attivazioni;
    // What the windows say aloud, and the "Voce" switch of the run.
    Dizione voce;

    // The answers judged in the run, and their counters.
    Punteggio punteggio;
    // Shared values of the run (all 16-bit, as the exercises count them).
    Valore<bool> AttendiBottone{*this, Condiviso::AttendiBottone};
    Valore<qint16> NumeroMassimo{*this, Condiviso::NumeroMassimo};

    // The size the teacher gave the windows, for every window opened later
    // in the run: the scale of a normal window, and whether they were
    // maximised or on the full screen.
    double scala = 1.0;
    bool massimizzate = false;
    bool schermoIntero = false;

    // The teacher's lesson, for the whole run: the class year that bounds
    // the numbers, and the calm mode (one pale background, no sounds, the
    // advance waits for "avanti").
    Classe classe = Classe::Libera;
    bool tranquilla = false;

    // Whether a right answer waits for "avanti": always in calm mode.
    bool attendeAvanti() const { return AttendiBottone || tranquilla; }

    double Casuale();
    // floor(Casuale * n): an integer from 0 to n - 1.
    int estrai(int n) { return int(std::floor(Casuale() * n)); }

signals:
    void cambiato(Condiviso quale);
};
