// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colori.h"

#include "Contesto.h"

#include <array>
#include <cmath>

namespace {

struct Rgb {
    int r, g, b;
};

using Tabella = std::array<Rgb, 19>;

// Repeated rows are meant: they make those colours more likely.
constexpr Tabella condivisa{{{0, 0, 0},
                             {255, 192, 192}, {255, 128, 128}, {255, 128, 0}, {255, 192, 128},
                             {255, 128, 0}, {255, 255, 192}, {255, 128, 128}, {192, 64, 0},
                             {128, 255, 128}, {192, 64, 0}, {192, 255, 255}, {0, 255, 255},
                             {192, 192, 255}, {255, 192, 255}, {255, 192, 255}, {224, 224, 224},
                             {255, 192, 255}, {255, 0, 255}}};

constexpr Tabella decine{{{0, 0, 0},
                          {255, 192, 192}, {255, 128, 128}, {255, 255, 192}, {255, 192, 128},
                          {255, 128, 0}, {255, 255, 192}, {255, 255, 0}, {192, 64, 0},
                          {128, 255, 128}, {0, 192, 0}, {192, 255, 255}, {0, 255, 255},
                          {192, 192, 255}, {255, 192, 255}, {255, 192, 255}, {224, 224, 224},
                          {128, 255, 128}, {255, 0, 255}}};

constexpr Tabella unita{{{0, 0, 0},
                         {255, 192, 192}, {255, 128, 128}, {255, 0, 0}, {255, 192, 128},
                         {255, 128, 0}, {255, 255, 192}, {255, 255, 0}, {192, 64, 0},
                         {128, 255, 128}, {0, 192, 0}, {192, 255, 255}, {0, 255, 255},
                         {192, 192, 255}, {255, 192, 255}, {255, 192, 255}, {224, 224, 224},
                         {255, 192, 255}, {255, 0, 255}}};

constexpr std::array<Rgb, 16> tavolozza{{{0, 0, 0}, {0, 0, 128}, {0, 128, 0}, {0, 128, 128},
                                         {128, 0, 0}, {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                         {128, 128, 128}, {0, 0, 255}, {0, 255, 0}, {0, 255, 255},
                                         {255, 0, 0}, {255, 0, 255}, {255, 255, 0}, {255, 255, 255}}};

const Tabella &tabellaDi(TabellaColori t)
{
    switch (t) {
    case TabellaColori::Decine:
        return decine;
    case TabellaColori::Unita:
        return unita;
    case TabellaColori::Condivisa:
        break;
    }
    return condivisa;
}

QColor comeColore(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace

QColor rigaTabellaColori(TabellaColori tabella, int k)
{
    return comeColore(tabellaDi(tabella).at(std::size_t(k)));
}

QColor coloreDaTabella(Contesto &ctx, TabellaColori tabella)
{
    // Calm mode: the same pale paper at every exercise, and no draw.
    if (ctx.tranquilla)
        return sfondoTranquillo();
    return rigaTabellaColori(tabella, ctx.estrai(18) + 1);
}

QColor ColoreCasuale(Contesto &ctx)
{
    return coloreDaTabella(ctx, TabellaColori::Condivisa);
}

QColor coloreTavolozza(int c)
{
    return comeColore(tavolozza.at(std::size_t(c)));
}

int indiceSfondoMenu(double casuale)
{
    const int c = int(std::floor(casuale * 14)) + 1;
    return c == 7 ? 6 : c;
}

QColor ColoreSfondoMenu(Contesto &ctx)
{
    if (ctx.tranquilla)
        return sfondoTranquillo();
    return coloreTavolozza(indiceSfondoMenu(ctx.Casuale()));
}

QColor sfondoTranquillo()
{
    return QColor(247, 243, 228);
}

QList<QColor> sfondiPossibili(bool tranquilla)
{
    if (tranquilla)
        return {sfondoTranquillo()};
    QList<QColor> sfondi;
    auto aggiungi = [&sfondi](const QColor &c) {
        if (!sfondi.contains(c))
            sfondi << c;
    };
    for (TabellaColori t : {TabellaColori::Condivisa, TabellaColori::Decine, TabellaColori::Unita})
        for (int k = 1; k <= 18; ++k)
            aggiungi(rigaTabellaColori(t, k));
    for (int i = 0; i < 14; ++i)
        aggiungi(coloreTavolozza(indiceSfondoMenu((i + 0.5) / 14)));
    return sfondi;
}

double luminanzaRelativa(const QColor &c)
{
    auto lineare = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineare(c.red()) + 0.7152 * lineare(c.green()) + 0.0722 * lineare(c.blue());
}

double contrasto(const QColor &a, const QColor &b)
{
    const double la = luminanzaRelativa(a), lb = luminanzaRelativa(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor coloreTestoSu(const QColor &sfondo)
{
    // Whichever of the two gives the larger contrast ratio: on white on
    // green (0,192,0) a brightness rule gave 2.5:1 where black gives 8.5:1.
    const QColor nero(Qt::black), bianco(Qt::white);
    return contrasto(sfondo, nero) >= contrasto(sfondo, bianco) ? nero : bianco;
}
