// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRegion>

#include <functional>
#include <vector>

class Tempo;
class QWidget;

// The exchange shown one state at a time. Each state is put on the beads,
// painted at once and left on the screen for its pause; the event loop runs
// in between, so the window keeps repainting and nothing blocks. The
// sequence dies with its window, and a stopped one never runs its end.
class SequenzaCambio : public QObject
{
    Q_OBJECT
public:
    // One state: changes the beads and returns the area it changed.
    using Stato = std::function<QRegion()>;

    SequenzaCambio(Tempo &tempo, QWidget *superficie);

    void avvia(std::vector<Stato> stati, double pausa, std::function<void()> fine);
    void ferma();
    bool inCorso() const { return attiva; }

private:
    void mostra(std::size_t indice, unsigned giro);

    Tempo &tempo;
    QWidget *superficie;
    std::vector<Stato> stati;
    std::function<void()> fine;
    double pausa = 0;
    bool attiva = false;
    unsigned giro = 0; // bumped by every start and stop: stale steps do nothing
};
