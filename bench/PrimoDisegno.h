// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

// Ends the program right after the watched window has painted once: start-up
// measured up to what the pupil sees.
class PrimoDisegno : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && !fatto) {
            fatto = true;
            // exit(), not quit(): quit() would first ask every window to close.
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    bool fatto = false;
};
