// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <functional>
#include <utility>

// Runs an action once, after the watched widget has really been painted:
// from the event loop, once the paint has reached the screen.
class PrimoDisegno : public QObject
{
public:
    PrimoDisegno(QObject *osservato, std::function<void()> azione) : QObject(osservato), dopo(std::move(azione))
    {
        osservato->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && dopo) {
            // Posted from the paint: it runs after the frame is flushed.
            QTimer::singleShot(0, QCoreApplication::instance(), std::exchange(dopo, nullptr));
            oggetto->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<void()> dopo;
};
