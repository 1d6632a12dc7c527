// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>

// One physical press of a key, whatever the keyboard's auto-repeat does.
// A key held on X11 comes back as release/press pairs sharing a timestamp;
// Qt flags them as repeats only when the pair's press is already queued
// behind its release, so the press of a pair is also known by that
// timestamp. Give it every press and release the control sees.
class PressioneUnica
{
public:
    // True for a press the pupil made; false for a repeat of a held key,
    // and for every release.
    bool nuova(const QKeyEvent &e)
    {
        if (e.type() == QEvent::KeyRelease) {
            tasto = e.key();
            rilascio = e.timestamp();
            return false;
        }
        if (e.type() != QEvent::KeyPress || e.isAutoRepeat())
            return false;
        return e.timestamp() == 0 || e.key() != tasto || e.timestamp() != rilascio;
    }

private:
    int tasto = 0;
    quint64 rilascio = 0;
};
