// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraFormare.h"

#include "abacus/PannelloMassimo.h"
#include "abacus/VistaOrbetto.h"
#include "framework/Altoparlante.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/Geometria.h"
#include "framework/Piattaforma.h"
#include "words/NumeriInLettere.h"
#include "words/Pronuncia.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>

namespace {

using D = DescrizioneFormare;
using M = D::MenuNumeri;

// Client area and frame of the maximum panel, as in Form99a.
constexpr int larghezza = 11430, altezza = 8640;

GeometriaAsta asta(Posto p, int x, int xPiede, int yAlto, int yBasso, int xPallina, int yPallina0, int xBottone)
{
    GeometriaAsta g;
    g.posto = p;
    g.filoAlto = {x, yAlto};
    g.filoBasso = {xPiede, yBasso};
    g.pallina0 = {xPallina, yPallina0};
    g.pallina = p == Posto::u ? QSize(435, 435) : QSize(540, 435);
    g.bottone = {xBottone, 6195, 975, 735};
    g.didascalia = QString::fromLatin1(nomeDi(p));
    return g;
}

// A rod at x with the offsets of Form99a's rods.
GeometriaAsta astaA(Posto p, int x)
{
    if (p == Posto::u)
        return asta(p, x, x, 2385, 6120, x - 225, 5730, x - 525);
    return asta(p, x, x, 2400, 6105, x - 255, 5760, x - 465);
}

std::vector<GeometriaAsta> geometria(const std::vector<Posto> &aste)
{
    switch (aste.size()) {
    case 1:
        return {astaA(Posto::u, 3435)};
    case 2: // Form99a, exactly as drawn
        return {asta(Posto::da, 2565, 2580, 2400, 6105, 2310, 5760, 2100),
                asta(Posto::u, 4305, 4305, 2385, 6120, 4080, 5730, 3780)};
    case 3:
        return {astaA(Posto::h, 1725), astaA(Posto::da, 3465), astaA(Posto::u, 5205)};
    default:
        return {astaA(Posto::k, 1005), astaA(Posto::h, 2505), astaA(Posto::da, 4005), astaA(Posto::u, 5505)};
    }
}

} // namespace

namespace finestreFormare {
const DescrizioneFormare unita = {
    .aste = {Posto::u}, .estrazione = D::Estrazione::DaZeroANove, .tabella = TabellaColori::Unita,
    .azzeraAllUscita = true};
const DescrizioneFormare decine = {.aste = {Posto::da, Posto::u}, .massimo = 99, .massimi = &massimiDecine,
    .menuNumeri = M::SenzaSpunte, .tabella = TabellaColori::Decine, .scheda = "formSt99a"};
const DescrizioneFormare centinaia = {.aste = {Posto::h, Posto::da, Posto::u},
    .massimo = 999, .scriveMassimo = Quando::AllAttivazione, .massimi = &massimiCentinaia,
    .menuNumeri = M::ConSpunte, .nuovo = Quando::AllAttivazione, .scheda = "formSt999a",
    .voceAzzera = {"Azzera conteggio", 7}};
const DescrizioneFormare migliaia = {.aste = {Posto::k, Posto::h, Posto::da, Posto::u}, .massimo = 9999,
    .riseminaAlCaricamento = true, .massimi = &massimiMigliaia, .menuNumeri = M::ConSpunte,
    .cifre = D::Cifre::ConSeparatore, .nuovo = Quando::AllAttivazione, .scheda = "formSt9999a",
    .ordine = D::Ordine::MassimoPrima, .voceMassimo = {"Scegli il numero massimo", 8}};

} // namespace finestreFormare

QString conSeparatoreMigliaia(int n, const QString &separatore)
{
    QString cifre = QString::number(n);
    for (int i = int(cifre.size()) - 3; i > 0 && cifre.at(i - 1).isDigit(); i -= 3)
        cifre.insert(i, separatore);
    return cifre;
}

FinestraFormare::FinestraFormare(Contesto &c, const QString &nome, const DescrizioneFormare &descrizione)
    : FinestraEsercizio(c, nome, larghezza, altezza, descrizione.azzeraAllUscita),
      d(descrizione)
{
    QWidget *a = area();
    EtichettaNumero = controlli::etichetta(a, QStringLiteral("EtichettaNumero"), QStringLiteral("Forma il numero"),
                                           QRect(240, 240, 6135, 615),
                                           geo::carattere(QStringLiteral("Arial"), 18, true), Qt::AlignLeft | Qt::AlignVCenter);
    EtichettaNumero->setWordWrap(false);
    SegnoDettato = new Altoparlante(a);
    SegnoDettato->setObjectName(QStringLiteral("SegnoDettato"));
    SegnoDettato->setAccessibleName(QStringLiteral("ascolta il numero"));
    SegnoDettato->setToolTip(QStringLiteral("Ascolta il numero (F5)"));
    geo::colloca(SegnoDettato, QRect(240, 120, 1500, 1095));
    SegnoDettato->hide();
    connect(SegnoDettato, &Altoparlante::clicked, this, [this] {
        ctx.voce.ripeti(this);
        seNonSiSente();
    });

    vista = new VistaOrbetto(ctx.piattaforma, a, geometria(d.aste));
    vista->collegaBottoniAggiungiTogli();
    if (d.aste.size() == 4) {
        controlli::etichetta(a, QStringLiteral("Label4"), QStringLiteral("."), QRect(1605, 5700, 300, 495),
                             geo::carattere(QStringLiteral("Arial"), 24, true), Qt::AlignCenter);
    }
    if (d.aste.size() > 1) {
        controlli::etichetta(a, QStringLiteral("Label3"),
                             QStringLiteral("Click sinistro per inserire le palline, click destro per toglierle."),
                             QRect(240, 7080, 6015, 255), geo::carattere(QStringLiteral("Arial"), 8));
    }

    creaRiscontro({{7005, 270}, {6645, 1395}, {7485, 1290}, {6645, 1920}, {7485, 1815}});
    const QFont fontBottoni = geo::carattere(QStringLiteral("Arial"), 13, true);
    QPushButton *ricomincia = controlli::bottone(a, QStringLiteral("Bot_ricomincia"), QStringLiteral("Ricomincia"),
                                                 QRect(6600, 3000, 1905, 990), fontBottoni);
    BottoneConferma = controlli::bottone(a, QStringLiteral("BottoneConferma"), QStringLiteral("Conferma"),
                                         QRect(6600, 4200, 1905, 975), fontBottoni);
    BottoneAvanti = controlli::bottone(a, QStringLiteral("BottoneAvanti"), QStringLiteral("avanti"),
                                       QRect(6600, 6000, 1905, 975), fontBottoni);
    BottoneAvanti->setEnabled(false);
    avanzamento = std::make_unique<Avanzamento>(BottoneAvanti, BottoneConferma);
    connect(ricomincia, &QPushButton::clicked, this, [this] {
        vista->SvuotaOrbetto();
        fuocoPrimaAsta();
    });
    connect(BottoneConferma, &QPushButton::clicked, this, &FinestraFormare::BottoneConferma_Click);
    connect(BottoneAvanti, &QPushButton::clicked, this, &FinestraFormare::BottoneAvanti_Click);

    if (d.massimi)
        cornice = new PannelloMassimo(a, *d.massimi, 11355, 7890, [this](qint16 massimo) {
            ctx.NumeroMassimo = massimo;
            NuovoNumero();
        });

    creaMenu();
}

void FinestraFormare::creaMenu()
{
    // Menu bar, in the order the pupils know.
    voceAzzera(d.voceAzzera.intera());
    auto voceMassimo = [this] {
        QAction *m = voceMenu(QStringLiteral("mnuMassimo"), d.voceMassimo.intera());
        connect(m, &QAction::triggered, cornice, &PannelloMassimo::mostra);
    };
    if (d.massimi && d.ordine == D::Ordine::MassimoPrima)
        voceMassimo();
    if (d.menuNumeri != M::Nessuno) {
        QMenu *numeri = menuBar()->addMenu(QStringLiteral("Numeri        "));
        numeri->setObjectName(QStringLiteral("MenuNumero"));
        numeri->menuAction()->setObjectName(QStringLiteral("MenuNumero"));
        MenuParole = numeri->addAction(QStringLiteral("in parole"));
        MenuParole->setObjectName(QStringLiteral("MenuParole"));
        MenuCifre = numeri->addAction(QStringLiteral("in cifre"));
        MenuCifre->setObjectName(QStringLiteral("MenuCifre"));
        if (d.menuNumeri == M::ConSpunte) {
            MenuParole->setCheckable(true);
            MenuCifre->setCheckable(true);
            MenuParole->setChecked(true);
        }
        connect(MenuParole, &QAction::triggered, this, [this] { sceltaNumeri(false); });
        connect(MenuCifre, &QAction::triggered, this, [this] { sceltaNumeri(true); });
    }
    if (d.massimi && d.ordine == D::Ordine::NumeriPrima)
        voceMassimo();
    if (d.scheda)
        voceStampaScheda(QString::fromLatin1(d.scheda));
    QMenu *voce = menuVoceEsercizio();
    MenuDettato = voce->addAction(QStringLiteral("Dettato"));
    MenuDettato->setObjectName(QStringLiteral("mnuDettato"));
    MenuDettato->setCheckable(true);
    connect(MenuDettato, &QAction::triggered, this, &FinestraFormare::sceltaDettato);
    voceInformazioni();
    voceEsci();
}

FinestraFormare::~FinestraFormare() = default;

void FinestraFormare::impostaNumero(qint16 n)
{
    NumeroDaFormare = n;
}

void FinestraFormare::carica()
{
    if (d.nuovo == Quando::AlCaricamento)
        avanzamento->allAttivazione(ctx.attendeAvanti());
    riscontro().azzera();
    vista->SvuotaOrbetto();
    NumeroInCifre = false;
    if (d.riseminaAlCaricamento)
        ctx.piattaforma.riseminaDallOrologio();
    if (d.massimo && d.scriveMassimo == Quando::AlCaricamento)
        ctx.NumeroMassimo = massimoDellaClasse(ctx, d.massimo, d.massimi);
    if (d.nuovo == Quando::AlCaricamento)
        NuovoNumero();
}

void FinestraFormare::attivata()
{
    if (d.nuovo == Quando::AlCaricamento)
        return;
    avanzamento->allAttivazione(ctx.attendeAvanti());
    if (d.massimo && d.scriveMassimo == Quando::AllAttivazione)
        ctx.NumeroMassimo = massimoDellaClasse(ctx, d.massimo, d.massimi);
    NuovoNumero();
}

void FinestraFormare::NuovoNumero()
{
    impostaSfondo(d.tabella ? coloreDaTabella(ctx, *d.tabella) : ColoreCasuale(ctx));
    vista->SvuotaOrbetto();
    impostaNumero(qint16(d.estrazione == D::Estrazione::DaZeroANove ? ctx.estrai(10) : ctx.estrai(ctx.NumeroMassimo) + 1));
    mostraNumero();
    fuocoPrimaAsta();
}

void FinestraFormare::fuocoPrimaAsta()
{
    // The pupil starts with the beads, never on "Ricomincia"; a window
    // waiting for "avanti" keeps its focus there.
    if (BottoneAvanti->isEnabled() && BottoneAvanti->hasFocus())
        return;
    vista->fuocoSullaPrimaAsta();
}

void FinestraFormare::mostraNumero()
{
    const int n = numeroDaFormare();
    QString testo;
    if (!NumeroInCifre)
        testo = NumeroInLettere(n);
    else if (d.cifre == D::Cifre::ConSeparatore)
        testo = QStringLiteral("    ") + conSeparatoreMigliaia(n, ctx.piattaforma.separatoreMigliaia());
    else
        testo = QStringLiteral("    ") + QLatin1Char(' ') + QString::number(n);
    // The longest words (NOVEMILANOVECENTONOVANTANOVE) must fit the label:
    // the type shrinks from 18 points only as much as they need.
    QFont font = EtichettaNumero->font();
    for (double punti = 18; punti >= 10; punti -= 1) {
        font.setPointSizeF(punti);
        if (QFontMetrics(font).horizontalAdvance(testo) <= EtichettaNumero->width())
            break;
    }
    geo::impostaCarattere(EtichettaNumero, font);
    EtichettaNumero->setText(testo);
    // Without any voice a dictation could not be heard: it shows its number.
    const bool ascolto = Dettato && !ctx.piattaforma.voceMancante();
    EtichettaNumero->setHidden(ascolto);
    SegnoDettato->setVisible(ascolto);
    ctx.voce.annuncia(this, NumeroDaDire(n), {}, Dettato ? Dizione::Quando::Sempre : Dizione::Quando::SeAccesa);
    if (ascolto)
        seNonSiSente();
}

void FinestraFormare::seNonSiSente()
{
    // The voice can go while the pupil listens (its daemon ended): once
    // the synthesiser has had time to answer, a dictation nobody can hear
    // shows its number.
    ctx.piattaforma.dopo(1.5, this, [this] {
        if (Dettato && ctx.piattaforma.voceMancante()) {
            EtichettaNumero->show();
            SegnoDettato->hide();
        }
    });
}

void FinestraFormare::sceltaDettato(bool si)
{
    // Qt has toggled the mark: it tells what the teacher chose. A new
    // number, which the pupil has not yet seen.
    Dettato = si;
    ripetiSempre(si);
    NuovoNumero();
}

void FinestraFormare::BottoneConferma_Click()
{
    if (vista->ValoreOrbetto() == numeroDaFormare()) {
        riscontro().esatto();
        if (avanzamento->dopoEsatto())
            NuovoNumero();
    } else {
        riscontro().errato();
    }
}

void FinestraFormare::BottoneAvanti_Click()
{
    avanzamento->avantiPremuto();
    NuovoNumero();
}

void FinestraFormare::sceltaNumeri(bool inCifre)
{
    if (d.menuNumeri == M::ConSpunte) {
        // Qt has already toggled the item: the marks follow the mode, and
        // choosing the mode already shown does nothing.
        const bool giaScelto = NumeroInCifre == inCifre;
        MenuCifre->setChecked(NumeroInCifre);
        MenuParole->setChecked(!NumeroInCifre);
        if (giaScelto)
            return;
        MenuCifre->setChecked(inCifre);
        MenuParole->setChecked(!inCifre);
    }
    NumeroInCifre = inCifre;
    NuovoNumero();
}
