// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The sound player lives in a module of its own, loaded once the first
// window is on the screen: Qt Multimedia and the audio libraries behind it
// then cost the start-up nothing. These are the module's entry points.
extern "C" {
using ApriSuoni = void *(*)();
using PreparaSuono = void (*)(void *lettore, const QString &percorso);
using SuonaSuono = void (*)(void *lettore, const QString &percorso);
using ChiudiSuoni = void (*)(void *lettore);
}

// File name of the module (beside the program, or in the installed library folder).
inline const QString nomeModuloSuoni = QStringLiteral("liborbetto_suoni.so");

// Larger sound files are refused as if they were missing (the program's own
// are a few kilobytes each).
inline constexpr qint64 limiteFileSuono = 4 * 1024 * 1024;
