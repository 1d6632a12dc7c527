#include "Addizioni.h"

#include "Estrazioni.h"
#include "abacus/Disegni.h"
#include "abacus/VistaOrbetto.h"
#include "shell/Colori.h"
#include "shell/Contesto.h"
#include "shell/Testi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The rods of Form99c, as drawn: tens of 9 places, units of 19 (9 when
// there is no exchange).
std::vector<GeometriaAsta> asteDecineUnita(bool unitaLunga)
{
    GeometriaAsta da;
    da.posto = Posto::da;
    da.filoAlto = {1950, 2010};
    da.filoBasso = {1950, 5700};
    da.pallina0 = {1680, 5355};
    da.pallina = {540, 435};
    da.bottone = {1470, 5760, 975, 735};
    da.didascalia = QStringLiteral("+ da");
    GeometriaAsta u;
    u.posto = Posto::u;
    u.posti = unitaLunga ? 19 : 9;
    u.filoAlto = {5475, 1935};
    u.filoBasso = {5475, 5700};
    u.pallina0 = {5250, 5310};
    u.pallina = {435, 435};
    u.bottone = {4800, 5760, 975, 735};
    u.didascalia = QStringLiteral("+ u");
    u.posto9 = {5250, 1470};
    u.secondaColonnaX = 4830;
    if (unitaLunga) {
        da.prolungaAlto = {1935, 1530};
        da.prolungaBasso = {1935, 1960};
        u.prolungaAlto = {5475, 1530};
        u.prolungaBasso = {5475, 1960};
    }
    return {da, u};
}

const DisposizioneAritmetica disposizione99{9600,
                                            7275,
                                            {45, 195, 3495, 615},
                                            {3600, 120, 1455, 855},
                                            {6720, 4080},
                                            {6720, 5520},
                                            {{7200, 360}, {7035, 1410}, {7875, 1290}, {7080, 1920}, {7965, 1800}},
                                            {480, 6600}};

// Form999c: three rods, tens and units of 19 places, and the right-hand
// column moved out to make room for the second exchange button.
GeometriaAsta astaLarga(Posto p, int x, int posti, const char *didascalia)
{
    GeometriaAsta g;
    g.posto = p;
    g.posti = posti;
    g.filoAlto = {x, 2010};
    g.filoBasso = {x, 5700};
    const int larghezza = p == Posto::u ? 435 : 540;
    g.pallina0 = {x - larghezza / 2, p == Posto::u ? 5310 : 5355};
    g.pallina = {larghezza, 435};
    g.bottone = {x - 480, 5760, 975, 735};
    g.didascalia = QString::fromLatin1(didascalia);
    if (posti > 9) {
        g.posto9 = {g.pallina0.x(), 1470};
        g.secondaColonnaX = g.pallina0.x() - larghezza + 15;
        g.prolungaAlto = {x, 1530};
        g.prolungaBasso = {x, 1960};
    }
    return g;
}

const DisposizioneAritmetica disposizione999{12600,
                                             7275,
                                             {45, 195, 3495, 615},
                                             {3600, 120, 1455, 855},
                                             {9960, 4080},
                                             {9960, 5520},
                                             {{10440, 360}, {10275, 1410}, {11115, 1290}, {10320, 1920}, {11205, 1800}},
                                             {480, 6600}};

} // namespace

AddizioneGuidata::AddizioneGuidata(Contesto &c, bool cambio)
    : FinestraAritmetica(c, cambio ? QStringLiteral("Form99c") : QStringLiteral("Form99c1"), disposizione99,
                         asteDecineUnita(cambio)),
      conCambio(cambio)
{
    bottoniConPressione();
    etichettaConteggio(Posto::da, QStringLiteral("Label4"), {2400, 6000});
    etichettaConteggio(Posto::u, QStringLiteral("Label3"), {5760, 6000});
    Label5 = etichettaPrompt(QStringLiteral("Label5"), {6300, 2400, 2640, 1275});
    lineaSegno(Posto::da, QStringLiteral("Line2"), 1680, 2190);
    lineaSegno(Posto::u, QStringLiteral("Line1"), 5205, 5715);
    if (conCambio) {
        BottoneCambio = bottoneCambio(QStringLiteral("BottoneCambio"), {2820, 3150, 1485, 960});
        connect(BottoneCambio, &QPushButton::clicked, this,
                [this] { cambioInSu(Posto::u, Posto::da, BottoneCambio, false); });
    }
    creaMenu(QStringLiteral("mnustampa"), conCambio ? 15 : 16);
}

qint16 AddizioneGuidata::risultatoAtteso() const
{
    return ctx.Somma;
}

void AddizioneGuidata::primoPrompt()
{
    Label5->setText(QStringLiteral("inserisci il numero ") + TestoConteggio(ctx.PrimoAddendo) +
                    QStringLiteral(" nell'orbetto"));
}

void AddizioneGuidata::NuovoNumero()
{
    mostraSegni(false);
    Text1->setEnabled(true);
    Text1->hide();
    Fase = 1;
    BottoneAvanti->setEnabled(false);
    impostaSfondo(ColoreCasuale(ctx));
    vista->SvuotaOrbetto();
    impostaOperazione(ctx, conCambio ? estraiConCambio99(ctx) : estraiSenzaCambio(ctx));
    if (BottoneCambio)
        BottoneCambio->setEnabled(true);
    EtichettaNumero->setText(TestoConteggio(ctx.PrimoAddendo) + QStringLiteral(" + ") +
                             TestoConteggio(ctx.SecondoAddendo) + QStringLiteral(" = "));
    aggiornaConteggi();
    primoPrompt();
    collocaSegno(Posto::u, ctx.PrimoAddendo % 10);
    collocaSegno(Posto::da, ctx.PrimoAddendo / 10);
}

void AddizioneGuidata::Controlla()
{
    const int v = vista->ValoreOrbetto();
    if (Fase == 1 && v == ctx.PrimoAddendo) {
        Fase = 2;
        suona();
        mostraSegni(true);
        Label5->setText(QStringLiteral("aggiungi il numero ") + TestoConteggio(ctx.SecondoAddendo) +
                        QStringLiteral(" nell'orbetto"));
    }
    if (Fase == 2 && v == ctx.Somma) {
        Fase = 3;
        suona();
        Label5->setText(QStringLiteral("Esegui il cambio"));
    }
    if (Fase == 3 && vista->conteggio(Posto::u) < 10) {
        Fase = 4;
        suona();
        Label5->setText(QStringLiteral("Scrivi il risultato"));
    }
    if (Fase == 4 && v == ctx.Somma)
        mostraRisultato();
}

void AddizioneGuidata::Ricomincia()
{
    mostraSegni(false);
    Text1->setEnabled(true);
    vista->SvuotaOrbetto();
    Fase = 1;
    aggiornaConteggi();
    if (BottoneCambio)
        BottoneCambio->setEnabled(true);
    Text1->clear();
    Text1->hide();
    primoPrompt();
}

Addizione999::Addizione999(Contesto &c)
    : FinestraAritmetica(c, QStringLiteral("Form999c"), disposizione999,
                         {astaLarga(Posto::h, 1500, 9, "h"), astaLarga(Posto::da, 4950, 19, "da"),
                          astaLarga(Posto::u, 8400, 19, "u")})
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
    creaMenu(QString(), 0);
}

qint16 Addizione999::risultatoAtteso() const
{
    return ctx.Somma;
}

int Addizione999::cifra(Posto p) const
{
    return p == Posto::h ? CifraH : p == Posto::da ? CifraDa : CifraU;
}

void Addizione999::NuovoNumero()
{
    mostraSegni(false);
    Text1->setEnabled(true);
    Text1->hide();
    BottoneAvanti->setEnabled(false);
    impostaSfondo(ColoreCasuale(ctx));
    vista->SvuotaOrbetto();
    impostaOperazione(ctx, estraiConCambio999(ctx));
    CifraH = qint16(ctx.PrimoAddendo / 100);
    const int resto = ctx.PrimoAddendo - 100 * CifraH;
    CifraDa = qint16(resto / 10);
    CifraU = qint16(resto % 10);
    for (Posto p : {Posto::u, Posto::da, Posto::h})
        collocaSegno(p, cifra(p));
    BottoneCambio->setEnabled(true);
    BottoneCambio2->setEnabled(true);
    EtichettaNumero->setText(TestoConteggio(ctx.PrimoAddendo) + QStringLiteral(" + ") +
                             TestoConteggio(ctx.SecondoAddendo) + QStringLiteral(" = "));
    aggiornaConteggi();
}

void Addizione999::dopoAggiunta(Posto p)
{
    // Each rod's marker appears once the rod holds the first number's digit.
    if (vista->conteggio(p) >= cifra(p))
        segni.value(p)->show();
    Controlla();
}

void Addizione999::Controlla()
{
    if (vista->conteggio(Posto::u) > 9 || vista->conteggio(Posto::da) > 9)
        return;
    if (vista->ValoreOrbetto() == ctx.Somma)
        mostraRisultato();
    aggiornaConteggi();
}

void Addizione999::Ricomincia()
{
    mostraSegni(false);
    Text1->setEnabled(true);
    vista->SvuotaOrbetto();
    aggiornaConteggi();
    BottoneCambio->setEnabled(true);
    BottoneCambio2->setEnabled(true);
    Text1->clear();
    Text1->hide();
}
