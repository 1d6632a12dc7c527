// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

// Place values, left to right on the screen.
enum class Posto { k, h, da, u };

// The abacus of one window: its rods, the bead count of each and which bead
// places are shown. The count is the truth; the shown places follow it,
// except while an exchange animation makes some of them flash.
class ModelloOrbetto
{
public:
    static constexpr int postiMassimi = 19;

    struct Asta {
        Posto posto;
        int posti; // 9, or 19 on a rod that may overflow
    };

    explicit ModelloOrbetto(const std::vector<Asta> &aste);

    bool ha(Posto p) const;
    int posti(Posto p) const;
    qint16 conteggio(Posto p) const;
    const std::vector<Posto> &aste() const { return ordine; }

    // Left press: bead number count shown, then one more. Full rod: nothing.
    bool AggiungiPallina(Posto p);
    // Right press: one less, then that bead hidden. Empty rod: nothing.
    bool TogliPallina(Posto p);
    void SvuotaOrbetto();
    // Beads 0 to n - 1 shown and n the count (after SvuotaOrbetto).
    void ImpostaPalline(Posto p, int n);
    // k * 1000 + h * 100 + da * 10 + u over the rods the window has.
    int ValoreOrbetto() const;

    bool visibile(Posto p, int indice) const;
    void impostaVisibile(Posto p, int indice, bool visibile);
    void impostaConteggio(Posto p, qint16 n);

private:
    struct Stato {
        bool presente = false;
        int posti = 0;
        qint16 conteggio = 0;
        std::array<bool, postiMassimi> mostrate{};
    };

    Stato &stato(Posto p) { return stati[std::size_t(p)]; }
    const Stato &stato(Posto p) const { return stati[std::size_t(p)]; }

    std::array<Stato, 4> stati;
    std::vector<Posto> ordine;
};

// The factor of a place: 1000, 100, 10, 1.
int pesoDi(Posto p);
// "k", "h", "da", "u": the rod's letter and the suffix of its controls.
const char *nomeDi(Posto p);
// The place as a pupil says it: "migliaia", "centinaia", "decine", "unità".
QString nomeLungo(Posto p);
