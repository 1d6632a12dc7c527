// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/FinestraProgramma.h"

class QButtonGroup;

// The exercise menu: eighteen exercise buttons in four sections, the choice
// between automatic advance and advance on "avanti", and "Esci".
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

    QButtonGroup *option1;
};
