// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// Positions and sizes are written in twips (1/1440 inch), as the windows were
// drawn; 15 twips make one logical pixel at scale 1. A window's scale is one
// number, kept on its client area: every place and font goes through here,
// so a resize re-applies the stored twips and point sizes to every control.
namespace geo {

// A widget with this property set is on the screen only: a printed or
// saved page leaves it out (the keyboard's focus mark).
inline constexpr const char *soloSulloSchermo = "soloSulloSchermo";

constexpr int twipsPerPixel = 15;

// Pixels at scale 1.
constexpr int px(int twips)
{
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

// Pixels at a scale: the twips scaled first, rounded once.
int px(int twips, double scala);

inline QPoint punto(int x, int y)
{
    return {px(x), px(y)};
}

inline QSize dimensione(int larghezza, int altezza)
{
    return {px(larghezza), px(altezza)};
}

inline QRect rettangolo(int sinistra, int alto, int larghezza, int altezza)
{
    return {punto(sinistra, alto), dimensione(larghezza, altezza)};
}

// A rectangle in twips, in pixels at a scale (place and size each rounded,
// as at scale 1).
QRect rettangolo(const QRect &twips, double scala);

inline QFont carattere(const QString &famiglia, double punti, bool grassetto = false)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

// The scale of the window that holds w (1 until one is set).
double scalaDi(const QWidget *w);

// Puts w at its place (twips, in its parent) at its window's scale, and
// keeps the place for later scales.
void colloca(QWidget *w, const QRect &twips);
inline void colloca(QWidget *w, int sinistra, int alto, int larghezza, int altezza)
{
    colloca(w, QRect(sinistra, alto, larghezza, altezza));
}
// The place w was given in twips (an invalid rectangle when none).
QRect postoTwips(const QWidget *w);

// Gives w a font whose size is the size at scale 1, and keeps that size.
void impostaCarattere(QWidget *w, const QFont &font);
// The point size w has at scale 1 (0 when it has no font of its own).
double puntiBase(const QWidget *w);

// Sets the scale of a client area and re-applies every stored place and font
// size of the controls in it; widgets that draw themselves hear of it by a
// resize or by the scale-change event below.
void applicaScala(QWidget *area, double scala);

// Sent to every widget under an area whose scale changed.
int eventoScala();

} // namespace geo
