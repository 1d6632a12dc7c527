// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtPlugin>
#include <QString>

// The speech synthesiser lives in a plugin of its own, like the sounds: the
// speech libraries cost nothing until a teacher turns "Voce" on. Every call
// comes from the speech thread, never from the window's.
class LettoreVoce
{
public:
    virtual ~LettoreVoce() = default;
    // Connects to the system's synthesiser with an Italian voice; false
    // when there is none (the program then stays silent).
    virtual bool apri() = 0;
    // Says testo, cutting whatever was being said; false when the
    // synthesiser is no longer there (the connection broke).
    virtual bool di(const QString &testo) = 0;
};

#define LettoreVoce_iid "it.orbetto.LettoreVoce/1"
Q_DECLARE_INTERFACE(LettoreVoce, LettoreVoce_iid)

#ifdef Q_OS_WIN
inline const QString nomeModuloVoce = QStringLiteral("orbetto_voce.dll");
#else
inline const QString nomeModuloVoce = QStringLiteral("liborbetto_voce.so");
#endif
