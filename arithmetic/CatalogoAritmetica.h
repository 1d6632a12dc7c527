// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Contesto;
class FinestraProgramma;

// The column-arithmetic window of that name, or nullptr.
FinestraProgramma *creaFinestraAritmetica(const QString &nome, Contesto &ctx);
