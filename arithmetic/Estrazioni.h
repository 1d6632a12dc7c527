// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class Contesto;

// The three numbers of a column operation: always somma = primo + secondo.
// An addition asks primo + secondo; a subtraction asks somma - secondo.
struct Operazione {
    qint16 primo = 0;
    qint16 secondo = 0;
    qint16 somma = 0;
};

// The class year of the lesson lowers the largest sum below: 20 in prima
// (19 in the windows with the exchange), 199 for the hundreds in prima and
// seconda.

// Tens range with exchange: somma 10 to 98, primo 5 to somma - 6.
Operazione estraiConCambio99(Contesto &ctx);
// Hundreds range: somma 1 to 999, primo 0 to somma - 1.
Operazione estraiConCambio999(Contesto &ctx);
// Digit by digit, so that no column ever carries or borrows: each digit of
// primo below the same digit of somma (or 0 where that is 0), primo and
// secondo at least 1. A sum that admits no such primo (1, 10, 11) is drawn
// again.
Operazione estraiSenzaCambio(Contesto &ctx);

