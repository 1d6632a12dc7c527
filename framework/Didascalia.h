// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A caption and the blanks that follow it: the blanks are part of the
// caption the windows have always shown (and of its width), written apart
// so that a table shows how many there are.
struct Didascalia {
    const char *testo = "";
    int spazi = 0;

    QString intera() const { return QString::fromUtf8(testo) + QString(spazi, QLatin1Char(' ')); }
};
