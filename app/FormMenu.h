// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/FinestraProgramma.h"

class QButtonGroup;
class QMenu;

// The exercise menu: eighteen exercise buttons in four sections, the choice
// between automatic advance and advance on "avanti", and "Esci". Its menu
// bar holds the lesson's choices: the class year, the calm mode and the
// lesson summary.
class FormMenu : public FinestraProgramma
{
    Q_OBJECT
public:
    explicit FormMenu(Contesto &ctx);
    void carica() override;

protected:
    void richiestaChiusura() override;

private:
    void Option1_Click(int indice);
    void menuLezione();
    void aggiornaTitolo();
    void sceltaTranquilla(bool si);
    // The option pair shows the advance the exercises will use.
    void mostraAvanzamento();

    QButtonGroup *option1;
    QMenu *menuClasse = nullptr;
};
