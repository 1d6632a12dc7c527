// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Contesto;
class FinestraProgramma;

// Builds the exercise, worksheet or composer window of that name; nullptr
// for a name the program does not (yet) have.
FinestraProgramma *creaFinestra(const QString &nome, Contesto &ctx);
