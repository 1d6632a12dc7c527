#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Positions and sizes are written in twips (1/1440 inch), as the windows were
// drawn; 15 twips make one logical pixel, and Qt scales logical pixels on
// high-density screens and whiteboards.
namespace geo {

constexpr int twipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

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

inline QFont carattere(const QString &famiglia, double punti, bool grassetto = false)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

} // namespace geo
