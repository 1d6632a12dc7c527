// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/Didascalia.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <span>

class Contesto;
class FinestraProgramma;
class RegistroLezione;

// What a window is built with: the run's context, and for the summary the
// lesson's register.
struct Officina {
    Contesto &ctx;
    RegistroLezione &lezione;
    // The composer's sheet, as the window that asked for it last wants.
    qint16 tipoScheda = 15;
};

// Where a window stands on the menu, by the numbers it works with.
enum class Sezione { Unita, DecineUnita, CentinaiaDecineUnita, Migliaia, Schede };

// One window of the program: the name it is asked for by (its objectName),
// how it is built and, for an exercise, its button on the menu.
struct VoceCatalogo {
    const char *nome = "";
    std::function<FinestraProgramma *(Officina &, const QString &nome)> crea = {};
    Sezione sezione = Sezione::Schede;
    // On the menu (none: a side window, opened from another window).
    const char *bottone = nullptr;
    Didascalia didascalia = {};
    QPoint posto = {}; // the button's top left, in twips
};

// Every window, in the menu's order; the menu and the navigator read it.
std::span<const VoceCatalogo> catalogo();
// The row of that window; nullptr for a name the program does not have.
const VoceCatalogo *voceCatalogo(const QString &nome);
// The section's heading, as the menu writes it.
QString nomeSezione(Sezione sezione);

// Builds the window of that name; nullptr for a name the program does not have.
FinestraProgramma *creaFinestra(const QString &nome, Officina &officina);
