// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <span>

// The class year the teacher chose for the lesson: the largest number of
// the windows opened afterwards. "libera" leaves every window as it is.
enum class Classe { Prima, Seconda, Terza, Quarta, Libera };

struct AnnoDiClasse {
    Classe classe;
    const char *nome; // as the menu and the command line write it
    qint16 limite;    // 0: no limit of its own
};

// In the menu's order, "libera" last.
std::span<const AnnoDiClasse> anniDiClasse();
QString nomeClasse(Classe classe);
std::optional<Classe> classeDaNome(const QString &nome);

// The largest number a window starts from: its own with "libera"; else the
// year's limit, never above the window's own largest number nor below its
// smallest option.
qint16 massimoPerClasse(Classe classe, qint16 massimoFinestra, qint16 opzioneMinima);
