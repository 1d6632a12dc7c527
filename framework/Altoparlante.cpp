// SPDX-License-Identifier: GPL-3.0-or-later
#include "Altoparlante.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

Altoparlante::Altoparlante(QWidget *genitore) : QAbstractButton(genitore)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("ripeti"));
    setToolTip(QStringLiteral("Ripeti (F5)"));
}

QSize Altoparlante::sizeHint() const
{
    return {28, 24};
}

void Altoparlante::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A speaker of 100 by 80 units, centred in the box.
    const qreal unita = std::min(width() / 100.0, height() / 80.0) * 0.92;
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(unita, unita);
    const QColor inchiostro = isDown() ? QColor(0, 60, 140) : QColor(20, 40, 90);
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 90, 200), 3, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(-49, -39, 98, 78), 10, 10);
    }
    QPainterPath cassa;
    cassa.moveTo(-42, -14);
    cassa.lineTo(-24, -14);
    cassa.lineTo(0, -34);
    cassa.lineTo(0, 34);
    cassa.lineTo(-24, 14);
    cassa.lineTo(-42, 14);
    cassa.closeSubpath();
    p.setPen(QPen(inchiostro, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 215, 0));
    p.drawPath(cassa);
    // Three waves, the outer ones fainter.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 14 + i * 13;
        QColor onda = inchiostro;
        onda.setAlphaF(float(1.0 - i * 0.25));
        p.setPen(QPen(onda, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(2 - r, -r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
}
