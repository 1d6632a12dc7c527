// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PiattaformaProva.h"
#include "abacus/Disegni.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPaintEvent>
#include <QWidget>

// What the screen shows of the beads of a window, as far as paint events
// tell: a bead counts as painted shown when it received a paint event while
// visible, and as painted hidden when its parent repainted the place it had
// while it was hidden. An animation whose states are only put in the widgets
// (and painted later) leaves the two out of step.
class Pitture : public QObject
{
public:
    explicit Pitture(QWidget *area) : superficie(area)
    {
        superficie->installEventFilter(this);
        for (Pallina *p : superficie->findChildren<Pallina *>()) {
            p->installEventFilter(this);
            dipinta.insert(p, !p->isHidden());
        }
    }

    // The beads whose state on the screen differs from the widget's.
    QStringList fuoriPasso() const
    {
        QStringList nomi;
        for (auto i = dipinta.cbegin(); i != dipinta.cend(); ++i)
            if (i.value() != !i.key()->isHidden())
                nomi << i.key()->objectName();
        return nomi;
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() != QEvent::Paint)
            return false;
        const QRegion regione = static_cast<QPaintEvent *>(evento)->region();
        if (oggetto == superficie) {
            for (auto i = dipinta.begin(); i != dipinta.end(); ++i)
                if (i.key()->isHidden() && regione.contains(i.key()->geometry()))
                    i.value() = false;
        } else if (auto *p = qobject_cast<Pallina *>(oggetto)) {
            dipinta[p] = true;
        }
        return false;
    }

private:
    QWidget *superficie;
    QHash<Pallina *, bool> dipinta;
};

// Runs azione, which starts an animation, and checks the screen at the start
// of each of its pauses: the names of the beads not yet painted as they
// stand, one entry per pause that found any.
inline QStringList nonDipintiAllePause(PiattaformaProva &piattaforma, QWidget *area, const std::function<void()> &azione,
                                       int &pause)
{
    QApplication::processEvents();
    Pitture schermo(area);
    QStringList mancate;
    pause = 0;
    piattaforma.durantePausa = [&] {
        ++pause;
        const QStringList qui = schermo.fuoriPasso();
        if (!qui.isEmpty())
            mancate << QStringLiteral("pausa %1: %2").arg(pause).arg(qui.join(QLatin1Char(' ')));
    };
    azione();
    piattaforma.durantePausa = nullptr;
    return mancate;
}
