// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/FinestraProgramma.h"

class QLabel;
class QPushButton;

// The start screen: the title and the "Avvio" button.
class FormAvvio : public FinestraProgramma
{
    Q_OBJECT
public:
    explicit FormAvvio(Contesto &ctx);
    void carica() override;

signals:
    // "Avvio": the menu, with no question.
    void avviato();

protected:
    void richiestaChiusura() override;

private:
    void BottoneAvvio_Click();
};
