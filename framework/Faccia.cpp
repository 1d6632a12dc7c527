// SPDX-License-Identifier: GPL-3.0-or-later
#include "Faccia.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

Faccia::Faccia(Espressione e, QWidget *genitore) : QWidget(genitore), volto(e)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(e == Espressione::Ride ? QStringLiteral("risposta esatta") : QStringLiteral("risposta sbagliata"));
}

void Faccia::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A face of 100 units across, centred in the box.
    const qreal lato = std::min(width(), height()) * 0.96;
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(lato / 100.0, lato / 100.0);

    const QColor contorno(90, 60, 0);
    QRadialGradient luce(QPointF(-16, -18), 70);
    luce.setColorAt(0.0, QColor(255, 250, 150));
    luce.setColorAt(0.55, QColor(255, 224, 0));
    luce.setColorAt(1.0, QColor(235, 170, 0));
    p.setPen(QPen(contorno, 3));
    p.setBrush(luce);
    p.drawEllipse(QPointF(0, 0), 48, 48);

    QPen tratto(contorno, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (volto == Espressione::Ride) {
        // Eyes shut with laughter, and a wide open mouth.
        p.setPen(tratto);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-30, -24, 20, 18), 20 * 16, 140 * 16);
        p.drawArc(QRectF(10, -24, 20, 18), 20 * 16, 140 * 16);
        QPainterPath bocca;
        bocca.moveTo(-32, 4);
        bocca.cubicTo(-30, 44, 30, 44, 32, 4);
        bocca.closeSubpath();
        p.setPen(QPen(contorno, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(150, 20, 30));
        p.drawPath(bocca);
        p.save();
        p.setClipPath(bocca);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-34, 2, 68, 9)); // teeth
        p.setBrush(QColor(240, 110, 120));
        p.drawEllipse(QPointF(0, 36), 15, 10); // tongue
        p.restore();
    } else {
        // Round eyes under sad brows, a turned-down mouth and a tear.
        p.setPen(Qt::NoPen);
        p.setBrush(contorno);
        p.drawEllipse(QPointF(-17, -10), 5.5, 7);
        p.drawEllipse(QPointF(17, -10), 5.5, 7);
        p.setPen(tratto);
        p.drawLine(QPointF(-27, -22), QPointF(-10, -28));
        p.drawLine(QPointF(27, -22), QPointF(10, -28));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-22, 16, 44, 30), 25 * 16, 130 * 16);
        QPainterPath goccia;
        goccia.moveTo(-24, 0);
        goccia.cubicTo(-28, 8, -32, 12, -32, 16);
        goccia.arcTo(QRectF(-32, 10, 12, 12), 180, 180);
        goccia.cubicTo(-20, 12, -20, 8, -24, 0);
        p.setPen(QPen(QColor(20, 90, 200), 1.5));
        p.setBrush(QColor(90, 170, 255));
        p.drawPath(goccia);
    }
}
