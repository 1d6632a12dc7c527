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
    return coloreTavolozza(indiceSfondoMenu(ctx.Casuale()));
}

QColor coloreTestoSu(const QColor &sfondo)
{
    // Perceived brightness (ITU-R BT.601 weights).
    const int luce = (299 * sfondo.red() + 587 * sfondo.green() + 114 * sfondo.blue()) / 1000;
    return luce < 128 ? QColor(Qt::white) : QColor(Qt::black);
}
