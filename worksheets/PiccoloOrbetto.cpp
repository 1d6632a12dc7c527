// SPDX-License-Identifier: GPL-3.0-or-later
#include "PiccoloOrbetto.h"

#include "framework/Geometria.h"

#include <QPainter>

QColor colorePallinaScheda(Posto p)
{
    switch (p) {
    case Posto::k:
        return {255, 255, 0};
    case Posto::h:
        return {0, 192, 0};
    case Posto::da:
        return {255, 0, 0};
    case Posto::u:
        break;
    }
    return {0, 0, 255};
}

PiccoloOrbetto::PiccoloOrbetto(QWidget *genitore, const std::vector<std::pair<Posto, int>> &elenco, int alto)
    : QFrame(genitore), yAlto(alto)
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    for (const auto &[posto, x] : elenco)
        aste.push_back({posto, x});
}

void PiccoloOrbetto::impostaPalline(Posto p, int n)
{
    for (Asta &a : aste)
        if (a.posto == p)
            a.palline = qBound(0, n, 9);
    update();
}

int PiccoloOrbetto::palline(Posto p) const
{
    for (const Asta &a : aste)
        if (a.posto == p)
            return a.palline;
    return 0;
}

std::vector<int> PiccoloOrbetto::xAste() const
{
    std::vector<int> x;
    for (const Asta &a : aste)
        x.push_back(a.x);
    return x;
}

void PiccoloOrbetto::svuota()
{
    for (Asta &a : aste)
        a.palline = 0;
    update();
}

void PiccoloOrbetto::paintEvent(QPaintEvent *evento)
{
    QFrame::paintEvent(evento);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in pixels of scale 1 through the window's scale.
    const double scala = geo::scalaDi(this);
    p.scale(scala, scala);
    for (const Asta &a : aste) {
        p.setPen(QPen(Qt::black, 2));
        const qreal x = geo::px(a.x);
        p.drawLine(QPointF(x, geo::px(1800)), QPointF(x, geo::px(yAlto)));
        // Bead j: 135 across, top edge at 1680 - 120 j, centred on the rod.
        const QColor colore = colorePallinaScheda(a.posto);
        p.setPen(QPen(colore.darker(160), 0.8));
        p.setBrush(colore);
        const qreal lato = 135.0 / geo::twipsPerPixel;
        for (int j = 0; j < a.palline; ++j)
            p.drawEllipse(QRectF(x - lato / 2, (1680 - 120 * j) / double(geo::twipsPerPixel), lato, lato));
    }
}

EtichettaAste::EtichettaAste(const QString &testo, PiccoloOrbetto *o) : QLabel(testo, o), orbetto(o)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void EtichettaAste::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const double scala = geo::scalaDi(this);
    const std::vector<int> x = orbetto->xAste();
    const int sinistra = pos().x();
    const auto centro = [&](double twips) { return twips / geo::twipsPerPixel * scala - sinistra; };
    std::size_t asta = 0;
    for (const QString &parola : text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        double dove = 0;
        if (parola == QLatin1String(".")) {
            // Between the rod before and the one after.
            if (asta == 0 || asta >= x.size())
                continue;
            dove = centro((x[asta - 1] + x[asta]) / 2.0);
        } else {
            if (asta >= x.size())
                break;
            dove = centro(x[asta++]);
        }
        const double largo = QFontMetricsF(font()).horizontalAdvance(parola);
        p.drawText(QRectF(dove - largo / 2 - 1, 0, largo + 2, height()), Qt::AlignHCenter | Qt::AlignTop, parola);
    }
}
