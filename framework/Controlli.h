// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class QWidget;

// An option button whose caption wraps over several lines inside its box,
// and whose whole box answers the click.
class OpzioneACapo : public QRadioButton
{
    Q_OBJECT
public:
    OpzioneACapo(const QString &testo, QWidget *genitore);

protected:
    void paintEvent(QPaintEvent *evento) override;
    bool hitButton(const QPoint &pos) const override;
};

// Small builders for the fixed-layout controls: name, caption, place (twips)
// and font in one call.
namespace controlli {

QLabel *etichetta(QWidget *genitore, const QString &nome, const QString &testo, const QRect &posto,
                  const QFont &font, Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop);
QPushButton *bottone(QWidget *genitore, const QString &nome, const QString &testo, const QRect &posto,
                     const QFont &font);

} // namespace controlli
