// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Texts shared by every window.
namespace testi {

inline const QString titoloBox = QStringLiteral("Utilizzo dell'orbetto");
// The first line of every sheet on paper (never in the window).
inline const QString intestazioneFoglio = QStringLiteral("Nome ______  Classe ______  Data ______");

} // namespace testi

// A number as its counter label shows it: one blank, then the digits (" 7").
// A negative number has its sign where the blank would be.
inline QString TestoConteggio(int n)
{
    return n >= 0 ? QLatin1Char(' ') + QString::number(n) : QString::number(n);
}
