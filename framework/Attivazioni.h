// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

class FinestraProgramma;

// Which program window is current. A window's own activation runs only when
// the pupil comes to it from another window of the program: not after a
// message box, a popup menu or another application, and no more once the
// program is ending.
class Attivazioni
{
public:
    // Called on every WindowActivate of a program window.
    void finestraAttivata(FinestraProgramma *finestra);
    // Without a window manager Qt may never activate a window: the first
    // activation is the program's own, and the window is then current.
    void prima(FinestraProgramma *finestra);
    void ferma() { fermo = true; }

private:
    QPointer<FinestraProgramma> ultima;
    bool fermo = false;
};
