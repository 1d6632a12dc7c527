// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The yellow face of a judgement, drawn rather than blown up from a small
// picture, so it stays sharp at every scale of the window.
class Faccia : public QWidget
{
    Q_OBJECT
public:
    enum class Espressione { Ride, Triste };

    Faccia(Espressione espressione, QWidget *genitore);
    Espressione espressione() const { return volto; }

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    Espressione volto;
};
