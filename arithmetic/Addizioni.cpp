// SPDX-License-Identifier: GPL-3.0-or-later
#include "Addizioni.h"

#include "Disposizioni.h"
#include "Estrazioni.h"
#include "abacus/Disegni.h"
#include "abacus/VistaOrbetto.h"
#include "framework/Colori.h"
#include "framework/Contesto.h"
#include "framework/Testi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


AddizioneGuidata::AddizioneGuidata(Contesto &c, const QString &nome, const DescrizioneAritmetica &d)
    : FinestraGuidata(c, nome, d, RegoleColonna::Operazione::Addizione, disposizione99, asteDecineUnita(d.cambio == Cambio::Con, true), 1275)
{
    bottoniConPressione();
    etichettaConteggio(Posto::da, QStringLiteral("Label4"), {2400, 6000});
    etichettaConteggio(Posto::u, QStringLiteral("Label3"), {5760, 6000});
    lineaSegno(Posto::da, QStringLiteral("Line2"), 1680, 2190);
    lineaSegno(Posto::u, QStringLiteral("Line1"), 5205, 5715);
    if (BottoneCambio)
        connect(BottoneCambio, &QPushButton::clicked, this,
                [this] { cambioInSu(Posto::u, Posto::da, BottoneCambio, false); });
    creaMenu(d);
}

qint16 AddizioneGuidata::risultatoAtteso() const
{
    return conto.somma;
}

void AddizioneGuidata::preparaOperazione()
{
    mostraSegni(false);
    risultatoDaCapo();
    spegniAvanti();
    impostaSfondo(ColoreCasuale(ctx));
    conto = conCambio ? estraiConCambio99(ctx) : estraiSenzaCambio(ctx);
    mostraOperazione(TestoConteggio(conto.primo) + QStringLiteral(" + ") +
                             TestoConteggio(conto.secondo) + QStringLiteral(" = "));
    iniziaRegole();
    collocaSegno(Posto::u, conto.primo % 10);
    collocaSegno(Posto::da, conto.primo / 10);
}

void AddizioneGuidata::ricominciaOperazione()
{
    mostraSegni(false);
    risultatoVuotoDaCapo();
    iniziaRegole();
}

Addizione999::Addizione999(Contesto &c, const QString &nome, const DescrizioneAritmetica &d)
    : FinestraAritmetica(c, nome, disposizione999, asteCentinaia(true))
{
    bottoniConPressione();
    etichettaConteggio(Posto::h, QStringLiteral("Label5"), {1950, 6000});
    etichettaConteggio(Posto::da, QStringLiteral("Label4"), {5400, 6000});
    etichettaConteggio(Posto::u, QStringLiteral("Label3"), {8850, 6000});
    lineaSegno(Posto::h, QStringLiteral("Line3"), 1230, 1770);
    lineaSegno(Posto::da, QStringLiteral("Line2"), 4680, 5220);
    lineaSegno(Posto::u, QStringLiteral("Line1"), 8160, 8640);
    BottoneCambio2 = bottoneCambio(QStringLiteral("BottoneCambio2"), {2250, 3150, 1485, 960});
    BottoneCambio = bottoneCambio(QStringLiteral("BottoneCambio"), {5745, 3150, 1485, 960});
    connect(BottoneCambio, &QPushButton::clicked, this, [this] { cambioInSu(Posto::u, Posto::da, BottoneCambio, true); });
    connect(BottoneCambio2, &QPushButton::clicked, this,
            [this] { cambioInSu(Posto::da, Posto::h, BottoneCambio2, true); });
    creaMenu(d);
}

qint16 Addizione999::risultatoAtteso() const
{
    return conto.somma;
}

int Addizione999::cifra(Posto p) const
{
    const RegoleCentinaia::Aste c = regole.cifrePrimo();
    return p == Posto::h ? c.h : p == Posto::da ? c.da : c.u;
}

void Addizione999::preparaOperazione()
{
    mostraSegni(false);
    risultatoDaCapo();
    spegniAvanti();
    impostaSfondo(ColoreCasuale(ctx));
    conto = estraiConCambio999(ctx);
    regole.inizia({.primo = conto.primo, .secondo = conto.secondo, .somma = conto.somma});
    for (Posto p : {Posto::u, Posto::da, Posto::h})
        collocaSegno(p, cifra(p));
    mostraOperazione(TestoConteggio(conto.primo) + QStringLiteral(" + ") +
                             TestoConteggio(conto.secondo) + QStringLiteral(" = "));
}

void Addizione999::dopoAggiunta(Posto p)
{
    // Each rod's marker appears once the rod holds the first number's digit.
    if (orbetto().conteggio(p) >= cifra(p))
        mostraSegno(p);
    eseguiPasso(nullptr, regole.dopo(Mossa::Aggiunta, asteOra()));
}

void Addizione999::ricominciaOperazione()
{
    mostraSegni(false);
    risultatoVuotoDaCapo();
}
