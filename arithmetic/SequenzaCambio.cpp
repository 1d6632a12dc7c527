// SPDX-License-Identifier: GPL-3.0-or-later
#include "SequenzaCambio.h"

#include "framework/Piattaforma.h"

#include <QWidget>

SequenzaCambio::SequenzaCambio(Tempo &t, QWidget *s) : QObject(s), tempo(t), superficie(s) {}

void SequenzaCambio::avvia(std::vector<Stato> nuovi, double secondi, std::function<void()> allaFine)
{
    stati = std::move(nuovi);
    fine = std::move(allaFine);
    pausa = secondi;
    attiva = true;
    mostra(0, ++giro);
}

void SequenzaCambio::ferma()
{
    attiva = false;
    ++giro;
}

void SequenzaCambio::mostra(std::size_t indice, unsigned questo)
{
    if (questo != giro)
        return;
    if (indice == stati.size()) {
        attiva = false;
        if (fine)
            fine();
        return;
    }
    // Paint now, not when the event loop gets round to it: the state must
    // be on the screen for the whole of its pause.
    const QRegion cambiata = stati[indice]();
    if (superficie->isVisible() && !cambiata.isEmpty())
        superficie->repaint(cambiata);
    tempo.dopo(pausa, this, [this, indice, questo] { mostra(indice + 1, questo); });
}
