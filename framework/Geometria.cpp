// SPDX-License-Identifier: GPL-3.0-or-later
#include "Geometria.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace geo {

namespace {

const char *const proprietaScala = "orbetto_scala";
const char *const proprietaPosto = "orbetto_twips";
const char *const proprietaPunti = "orbetto_punti";

int arrotonda(double pixel)
{
    return int(std::lround(pixel));
}

} // namespace

int px(int twips, double scala)
{
    return arrotonda(twips * scala / twipsPerPixel);
}

QRect rettangolo(const QRect &t, double scala)
{
    return QRect(px(t.x(), scala), px(t.y(), scala), px(t.width(), scala), px(t.height(), scala));
}

double scalaDi(const QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        const QVariant s = w->property(proprietaScala);
        if (s.isValid())
            return s.toDouble();
    }
    return 1.0;
}

void colloca(QWidget *w, const QRect &twips)
{
    w->setProperty(proprietaPosto, twips);
    w->setGeometry(rettangolo(twips, scalaDi(w->parentWidget())));
}

QRect postoTwips(const QWidget *w)
{
    return w->property(proprietaPosto).toRect();
}

void impostaCarattere(QWidget *w, const QFont &font)
{
    w->setProperty(proprietaPunti, font.pointSizeF());
    QFont f = font;
    f.setPointSizeF(font.pointSizeF() * scalaDi(w));
    w->setFont(f);
}

double puntiBase(const QWidget *w)
{
    return w->property(proprietaPunti).toDouble();
}

int eventoScala()
{
    static const int tipo = QEvent::registerEventType();
    return tipo;
}

void applicaScala(QWidget *area, double scala)
{
    area->setProperty(proprietaScala, scala);
    const auto figli = area->findChildren<QWidget *>();
    for (QWidget *w : figli) {
        const QVariant posto = w->property(proprietaPosto);
        if (posto.isValid())
            w->setGeometry(rettangolo(posto.toRect(), scala));
        const double punti = puntiBase(w);
        if (punti > 0) {
            QFont f = w->font();
            f.setPointSizeF(punti * scala);
            w->setFont(f);
        }
        QEvent cambio{static_cast<QEvent::Type>(eventoScala())};
        QCoreApplication::sendEvent(w, &cambio);
    }
}

} // namespace geo
