// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abacus/ModelloOrbetto.h"

#include <QFrame>
#include <QLabel>

#include <vector>

// One small abacus of a worksheet: its rods and, on a reading sheet, nine
// small beads per rod of which the first `count` are shown.
class PiccoloOrbetto : public QFrame
{
    Q_OBJECT
public:
    // Rods with their x (twips inside the frame); the wires reach up to yAlto.
    PiccoloOrbetto(QWidget *genitore, const std::vector<std::pair<Posto, int>> &aste, int yAlto);

    void impostaPalline(Posto p, int n);
    // The rods' x, twips inside the frame, from the highest place down.
    std::vector<int> xAste() const;
    int palline(Posto p) const;
    void svuota();

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    struct Asta {
        Posto posto;
        int x;
        int palline = 0;
    };
    std::vector<Asta> aste;
    int yAlto;
};

// The bead colours of the worksheets (hundreds a lighter green than on the
// exercise abacus, to read well on paper).
QColor colorePallinaScheda(Posto p);

// The place names under a small abacus ("k  .   h   da   u"): the text stays
// as written, but each name is drawn centred under its own rod and the
// thousands mark halfway between k and h, whatever the blanks say.
class EtichettaAste : public QLabel
{
    Q_OBJECT
public:
    EtichettaAste(const QString &testo, PiccoloOrbetto *orbetto);

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    PiccoloOrbetto *orbetto;
};
