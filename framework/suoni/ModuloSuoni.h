// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtPlugin>
#include <QString>

// The sound player lives in a plugin of its own, loaded once the first
// window is on the screen: Qt Multimedia and the audio libraries behind it
// then cost the start-up nothing. This is what the program asks of it.
class LettoreSuoni
{
public:
    virtual ~LettoreSuoni() = default;
    // Gets the file ready, so that playing it later never waits.
    virtual void prepara(const QString &percorso) = 0;
    // Plays it without waiting; a missing file plays nothing.
    virtual void suona(const QString &percorso) = 0;
};

#define LettoreSuoni_iid "it.orbetto.LettoreSuoni/1"
Q_DECLARE_INTERFACE(LettoreSuoni, LettoreSuoni_iid)

// File name of the plugin (beside the program, or in the installed library folder).
#ifdef Q_OS_WIN
inline const QString nomeModuloSuoni = QStringLiteral("orbetto_suoni.dll");
#else
inline const QString nomeModuloSuoni = QStringLiteral("liborbetto_suoni.so");
#endif

// Larger sound files are refused as if they were missing (the program's own
// are a few kilobytes each).
inline constexpr qint64 limiteFileSuono = 4 * 1024 * 1024;
