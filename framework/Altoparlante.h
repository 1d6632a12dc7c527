// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

// A loudspeaker with its sound waves: pressed, the window says its number
// or prompt again. Drawn in logical units, sharp at any scale.
class Altoparlante : public QAbstractButton
{
    Q_OBJECT
public:
    explicit Altoparlante(QWidget *genitore);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *evento) override;
};
