// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sottrazioni.h"

#include "Disposizioni.h"
#include "Estrazioni.h"
#include "abacus/VistaOrbetto.h"
#include "framework/Colori.h"
#include "framework/Contesto.h"
#include "framework/Testi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// "+" and "-" side by side under a rod at x.
QRect sottoASinistra(int x)
{
    return {x - 750, 5760, 735, 735};
}

QRect sottoADestra(int x)
{
    return {x + 15, 5760, 735, 735};
}

QString testoOperazione(const Operazione &conto)
{
    return TestoConteggio(conto.somma) + QStringLiteral(" - ") + TestoConteggio(conto.secondo) + QStringLiteral(" = ");
}

} // namespace

SottrazioneGuidata::SottrazioneGuidata(Contesto &c, const QString &nome, const DescrizioneAritmetica &d)
    : FinestraGuidata(c, nome, d, RegoleColonna::Operazione::Sottrazione, senzaIstruzione(disposizione99), asteDecineUnita(d.cambio == Cambio::Con, false), 1560)
{
    bottonePiu(Posto::da, QStringLiteral("Bot_da"), QStringLiteral("+ da"), sottoASinistra(xAsta::decine99));
    bottoneMeno(Posto::da, QStringLiteral("Command1"), QStringLiteral("- da"), sottoADestra(xAsta::decine99));
    bottonePiu(Posto::u, QStringLiteral("Bot_u"), QStringLiteral("+ u"), sottoASinistra(xAsta::unita99));
    bottoneMeno(Posto::u, QStringLiteral("Command2"), QStringLiteral("- u"), sottoADestra(xAsta::unita99));
    etichettaConteggio(Posto::da, QStringLiteral("Label4"), {xAsta::decine99 + 780, 5880});
    etichettaConteggio(Posto::u, QStringLiteral("Label3"), {xAsta::unita99 + 780, 5880});
    if (BottoneCambio)
        connect(BottoneCambio, &QPushButton::clicked, this,
                [this] { cambioInGiu(Posto::da, Posto::u, BottoneCambio, false); });
    creaMenu(d);
}

qint16 SottrazioneGuidata::risultatoAtteso() const
{
    return conto.primo;
}

void SottrazioneGuidata::preparaOperazione()
{
    impostaSfondo(coloreDaTabella(ctx, TabellaColori::Decine));
    nascondiRisultato();
    conto = conCambio ? estraiConCambio99(ctx) : estraiSenzaCambio(ctx);
    mostraOperazione(testoOperazione(conto));
    iniziaRegole();
}

void SottrazioneGuidata::ricominciaOperazione()
{
    iniziaRegole();
}

Sottrazione999::Sottrazione999(Contesto &c, const QString &nome, const DescrizioneAritmetica &d)
    : FinestraAritmetica(c, nome, senzaIstruzione(disposizione999), asteCentinaia(false))
{
    bottonePiu(Posto::h, QStringLiteral("Bot_h"), QStringLiteral("+ h"), sottoASinistra(xAsta::centinaia999));
    bottoneMeno(Posto::h, QStringLiteral("Command1"), QStringLiteral("- h"), sottoADestra(xAsta::centinaia999));
    bottonePiu(Posto::da, QStringLiteral("Bot_da"), QStringLiteral("+ da"), sottoASinistra(xAsta::decine999));
    bottoneMeno(Posto::da, QStringLiteral("Command2"), QStringLiteral("- da"), sottoADestra(xAsta::decine999));
    bottonePiu(Posto::u, QStringLiteral("Bot_u"), QStringLiteral("+ u"), sottoASinistra(xAsta::unita999));
    bottoneMeno(Posto::u, QStringLiteral("Command3"), QStringLiteral("- u"), sottoADestra(xAsta::unita999));
    etichettaConteggio(Posto::h, QStringLiteral("Label5"), {xAsta::centinaia999 + 780, 5880});
    etichettaConteggio(Posto::da, QStringLiteral("Label4"), {xAsta::decine999 + 780, 5880});
    etichettaConteggio(Posto::u, QStringLiteral("Label3"), {xAsta::unita999 + 780, 5880});
    Label6 = etichettaPrompt(QStringLiteral("Label6"), {5280, 60, 4980, 1380});
    BottoneCambio2 = bottoneCambio(QStringLiteral("BottoneCambio2"), {2250, 3150, 1485, 960});
    BottoneCambio = bottoneCambio(QStringLiteral("BottoneCambio"), {5745, 3150, 1485, 960});
    connect(BottoneCambio, &QPushButton::clicked, this, [this] { cambioInGiu(Posto::da, Posto::u, BottoneCambio, true); });
    connect(BottoneCambio2, &QPushButton::clicked, this,
            [this] { cambioInGiu(Posto::h, Posto::da, BottoneCambio2, true); });
    creaMenu(d);
}

qint16 Sottrazione999::risultatoAtteso() const
{
    return conto.primo;
}

void Sottrazione999::preparaOperazione()
{
    impostaSfondo(ColoreCasuale(ctx));
    spegniAvanti();
    nascondiRisultato();
    conto = estraiConCambio999(ctx);
    regole.inizia({.primo = conto.primo, .secondo = conto.secondo, .somma = conto.somma});
    mostraOperazione(testoOperazione(conto));
    mostraPrompt(Label6, regole.primoPrompt());
}

void Sottrazione999::ricominciaOperazione()
{
    mostraPrompt(Label6, regole.promptDaCapo());
}
