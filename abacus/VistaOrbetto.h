// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModelloOrbetto.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class BottoneAsta;
class Linea;
class Pallina;
class Tempo;
class QWidget;

// Where one rod of a window stands, in twips of the window's client area.
struct GeometriaAsta {
    Posto posto = Posto::u;
    int posti = 9;
    QPoint filoAlto, filoBasso; // the rod's wire
    QPoint pallina0;            // top left of bead place 0
    QSize pallina;              // a bead's box
    QRect bottone;              // the rod button; empty: none
    QString didascalia;         // its caption
    // Rods of 19 places: place 9 on the wire's grey extension above the
    // rod, places 10 to 18 in a second column to the left. The extension is
    // drawn wherever its two ends differ.
    QPoint posto9;
    int secondaColonnaX = 0;
    QPoint prolungaAlto, prolungaBasso;
};

// Distance between two neighbouring beads on a rod.
constexpr int passoPalline = 420;

// Colour of the beads of a place: places 9 to 18 in a lighter shade.
QColor colorePallina(Posto posto, int indice);

// The abacus of a window: the model and its wires, beads and rod buttons.
// Every change goes through here, so the beads on the screen always follow
// the model.
class VistaOrbetto : public QObject
{
    Q_OBJECT
public:
    VistaOrbetto(Tempo &tempo, QWidget *area, const std::vector<GeometriaAsta> &aste);

    const ModelloOrbetto &modello() const { return stato; }

    bool AggiungiPallina(Posto p);
    bool TogliPallina(Posto p);
    void SvuotaOrbetto();
    void ImpostaPalline(Posto p, int n);
    int ValoreOrbetto() const { return stato.ValoreOrbetto(); }
    qint16 conteggio(Posto p) const { return stato.conteggio(p); }

    // For the exchange animation; each returns the bead's box in the area.
    QRect impostaVisibile(Posto p, int indice, bool visibile);
    QRect commuta(Posto p, int indice);
    void impostaConteggio(Posto p, qint16 n);

    // Rod buttons as in the forming windows: left press adds, any other
    // button takes away; dopo runs after every press that changed a rod.
    void collegaBottoniAggiungiTogli(std::function<void(Posto)> dopo = {});

    BottoneAsta *bottone(Posto p) const;
    // The focus on the leftmost rod button that takes presses, where the
    // pupil starts; false when there is none.
    bool fuocoSullaPrimaAsta() const;
    Pallina *pallina(Posto p, int indice) const;
    // Top edge (twips) of a bead place, for lines drawn level with the beads.
    int altoPosto(Posto p, int indice) const;
    // Wires drawn so far, for windows that add segments of their own.
    int numeroFili() const { return int(fili.size()); }
    Linea *aggiungiFilo(QPoint alto, QPoint basso, const QColor &colore);

signals:
    void premuto(Posto p, Qt::MouseButton tasto);

private:
    struct Asta {
        GeometriaAsta geometria;
        std::vector<Pallina *> palline;
        BottoneAsta *bottone = nullptr;
        Linea *filo = nullptr; // the rod itself: a screen reader's element
    };
    // Rod and rod button tell a screen reader the rod's count.
    void annuncia(Posto p);

    const Asta *asta(Posto p) const;
    QPoint angoloPosto(const GeometriaAsta &g, int indice) const;
    void sincronizza(Posto p);

    QWidget *area;
    ModelloOrbetto stato;
    std::vector<Asta> aste;
    std::vector<Linea *> fili;
};
