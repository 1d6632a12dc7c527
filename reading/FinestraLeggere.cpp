// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraLeggere.h"

#include "abacus/PannelloMassimo.h"
#include "abacus/VistaOrbetto.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/FiltroInvio.h"
#include "framework/Geometria.h"
#include "framework/Piattaforma.h"
#include "words/NumeriInLettere.h"
#include "words/Pronuncia.h"
#include "words/Risposte.h"

#include <QAction>
#include <cmath>
#include <QLineEdit>

namespace {

using D = DescrizioneLeggere;
using G = D::Giudizio;
using T = TabellaColori;
constexpr auto allaPressione = FiltroInvio::Momento::AllaPressione;

constexpr int larghezza = 9510, altezza = 6525;

// The hundreds and thousands windows are wider than Form99b: their menu bar
// and their longest words ("NOVEMILANOVECENTONOVANTANOVE") need the room,
// which goes to the answer box and moves the right-hand column.
int allargamento(const DescrizioneLeggere &d)
{
    return d.aste.size() >= 3 ? 1290 : 0;
}

GeometriaAsta asta(Posto p, int x, int xPiede, int yAlto, int yBasso, int xPallina, int yPallina0)
{
    GeometriaAsta g;
    g.posto = p;
    g.filoAlto = {x, yAlto};
    g.filoBasso = {xPiede, yBasso};
    g.pallina0 = {xPallina, yPallina0};
    g.pallina = p == Posto::u ? QSize(435, 435) : QSize(540, 435);
    return g;
}

// A rod at x with the offsets of Form99b's rods.
GeometriaAsta astaA(Posto p, int x)
{
    if (p == Posto::u)
        return asta(p, x, x, 990, 4755, x - 210, 4365);
    return asta(p, x, x, 1035, 4755, x - 255, 4410);
}

std::vector<GeometriaAsta> geometria(const std::vector<Posto> &aste)
{
    switch (aste.size()) {
    case 1: {
        // The units windows keep an inert "u" button under a shorter rod.
        GeometriaAsta u = asta(Posto::u, 3645, 3645, 480, 4230, 3435, 3840);
        u.bottone = {3135, 4290, 975, 645};
        u.didascalia = QStringLiteral("u");
        return {u};
    }
    case 2: // Form99b, exactly as drawn
        return {asta(Posto::da, 2670, 2685, 1035, 4755, 2415, 4410), asta(Posto::u, 4410, 4425, 990, 4755, 4200, 4365)};
    case 3:
        return {astaA(Posto::h, 1950), astaA(Posto::da, 3450), astaA(Posto::u, 4950)};
    default:
        return {astaA(Posto::k, 1290), astaA(Posto::h, 2580), astaA(Posto::da, 3870), astaA(Posto::u, 5160)};
    }
}

} // namespace

namespace finestreLeggere {
// The units windows start afresh at every visit; the others keep their
// counters and write their largest number on load.
// Digits.
const DescrizioneLeggere cifreUnita = {
    .aste = {Posto::u}, .istruzione = "Scrivi il numero in cifre", .nomeRisposta = "Text1",
    .punti = 48, .azzera = Quando::AllAttivazione, .estrazione = D::Estrazione::DaUnoANove, .tabella = T::Unita,
    .azzeraAllUscita = true};
const DescrizioneLeggere cifreDecine = {
    .aste = {Posto::da, Posto::u}, .istruzione = "scrivi il numero in cifre", .punti = 26,
    .massimo = 99, .tabella = T::Decine, .invio = allaPressione, .massimi = &massimiDecine, .scheda = "formSt99b"};
const DescrizioneLeggere cifreCentinaia = {
    .aste = {Posto::h, Posto::da, Posto::u}, .istruzione = "scrivi il numero in cifre",
    .punti = 24, .massimo = 999, .invio = allaPressione, .massimi = &massimiCentinaia,
    .scheda = "formSt999b"};
const DescrizioneLeggere cifreMigliaia = {.aste = {Posto::k, Posto::h, Posto::da, Posto::u}, .giudizio = G::SoloCifre,
    .nomeIstruzione = "Label4", .istruzione = "Scrivi il numero in cifre", .punti = 18, .massimo = 9999,
    .scriveMassimo = Quando::AllAttivazione, .puntoInSpazio = true, .massimi = &massimiMigliaia,
    .voceMassimo = {"Scegli il numero massimo", 8}, .scheda = "formSt9999b"};
// Words.
const DescrizioneLeggere lettereUnita = {
    .aste = {Posto::u}, .giudizio = G::Lettere, .istruzione = "Scrivi il numero in lettere ",
    .nomeRisposta = "Text1", .punti = 26, .azzera = Quando::AllAttivazione,
    .estrazione = D::Estrazione::DaUnoANove, .tabella = T::Unita, .azzeraAllUscita = true};
const DescrizioneLeggere lettereDecine = {.aste = {Posto::da, Posto::u}, .giudizio = G::Lettere,
    .istruzione = "scrivi il numero in lettere", .punti = 18, .massimo = 99, .riseminaAlCaricamento = true,
    .tabella = T::Decine, .massimi = &massimiDecine, .scheda = "formSt99b"};
const DescrizioneLeggere lettereCentinaia = {.aste = {Posto::h, Posto::da, Posto::u}, .giudizio = G::Lettere,
    .istruzione = "scrivi il numero in lettere", .punti = 14, .massimo = 999,
    .massimi = &massimiCentinaia, .scheda = "formSt999b"};
const DescrizioneLeggere lettereMigliaia = {.aste = {Posto::k, Posto::h, Posto::da, Posto::u}, .giudizio = G::Lettere,
    .nomeIstruzione = "Label4", .istruzione = "Scrivi il numero in lettere", .nomeRisposta = "Text1", .punti = 11,
    .massimo = 9999, .scriveMassimo = Quando::AllAttivazione, .massimi = &massimiMigliaia,
    .voceMassimo = {"Scegli il numero massimo", 8}, .scheda = "formSt9999b"};

} // namespace finestreLeggere

FinestraLeggere::FinestraLeggere(Contesto &c, const QString &nome, const DescrizioneLeggere &descrizione)
    : FinestraEsercizio(c, nome, larghezza + allargamento(descrizione), altezza,
                        descrizione.azzeraAllUscita),
      d(descrizione)
{
    QWidget *a = area();
    const int dx = allargamento(d);
    vista = new VistaOrbetto(ctx.piattaforma, a, geometria(d.aste));
    if (d.aste.size() == 4)
        controlli::etichetta(a, QStringLiteral("Label3"), QStringLiteral("."), QRect(1785, 4350, 300, 495),
                             geo::carattere(QStringLiteral("Arial"), 24, true), Qt::AlignCenter);
    controlli::etichetta(a, QString::fromLatin1(d.nomeIstruzione), QString::fromUtf8(d.istruzione),
                         QRect(360, 5160, 1335, 855), geo::carattere(QStringLiteral("Arial"), 10, true));

    casella = new QLineEdit(a);
    casella->setObjectName(QString::fromLatin1(d.nomeRisposta));
    casella->setAccessibleName(QString::fromUtf8(d.istruzione).simplified());
    geo::colloca(casella, QRect(1890, 5040, 3525 + dx, 1095));
    geo::impostaCarattere(casella, geo::carattere(QStringLiteral("Arial"), d.punti, true));
    auto *filtro = new FiltroInvio(ctx.piattaforma, casella, d.invio, [this] { giudica(); });
    filtro->impostaSostituto([this](int codice) { return sostituto(codice); });

    BottoneAvanti = controlli::bottone(a, QStringLiteral("BottoneAvanti"), QStringLiteral("avanti"),
                                       QRect(6120 + dx, 5040, 1905, 1095),
                                       geo::carattere(QStringLiteral("Arial"), 13, true));
    BottoneAvanti->hide();
    BottoneAvanti->setEnabled(false);
    avanzamento = std::make_unique<Avanzamento>(BottoneAvanti, casella);
    connect(BottoneAvanti, &QPushButton::clicked, this, &FinestraLeggere::BottoneAvanti_Click);

    creaRiscontro({{6510 + dx, 300}, {6150 + dx, 1425}, {6990 + dx, 1320}, {6150 + dx, 1950}, {6990 + dx, 1845}});

    if (d.massimi)
        cornice = new PannelloMassimo(a, *d.massimi, larghezza + dx - 75, altezza - 75, [this](qint16 massimo) {
            ctx.NumeroMassimo = massimo;
            NuovoNumero();
        });

    voceAzzera(QStringLiteral("Azzera conteggio        "));
    if (d.massimi) {
        QAction *m = voceMenu(QStringLiteral("mnuMassimo"), d.voceMassimo.intera());
        connect(m, &QAction::triggered, cornice, &PannelloMassimo::mostra);
        voceStampaScheda(QString::fromLatin1(d.scheda));
    }
    menuVoceEsercizio();
    voceInformazioni();
    voceEsci();
}

FinestraLeggere::~FinestraLeggere() = default;

void FinestraLeggere::carica()
{
    if (d.riseminaAlCaricamento)
        ctx.piattaforma.riseminaDallOrologio();
    if (d.azzera == Quando::AlCaricamento)
        riscontro().azzera();
    if (d.massimo && d.scriveMassimo == Quando::AlCaricamento)
        ctx.NumeroMassimo = massimoDellaClasse(ctx, d.massimo, d.massimi);
    vista->SvuotaOrbetto();
}

void FinestraLeggere::attivata()
{
    avanzamento->allAttivazione(ctx.attendeAvanti());
    if (d.azzera == Quando::AllAttivazione) {
        riscontro().azzera();
        vista->SvuotaOrbetto();
    }
    if (d.massimo && d.scriveMassimo == Quando::AllAttivazione)
        ctx.NumeroMassimo = massimoDellaClasse(ctx, d.massimo, d.massimi);
    NuovoNumero();
}

void FinestraLeggere::NuovoNumero()
{
    impostaSfondo(d.tabella ? coloreDaTabella(ctx, *d.tabella) : ColoreCasuale(ctx));
    vista->SvuotaOrbetto();
    casella->clear();
    const int n = d.estrazione == D::Estrazione::DaUnoANove ? ctx.estrai(9) + 1 : ctx.estrai(ctx.NumeroMassimo);
    numero = qint16(n);
    // The task, for a pupil who cannot read it yet; "Ripeti" says it again.
    ctx.voce.annuncia(this, compito());
    const int cifre[] = {n / 1000, n % 1000 / 100, n % 100 / 10, n % 10};
    for (Posto p : {Posto::k, Posto::h, Posto::da, Posto::u})
        if (vista->modello().ha(p))
            vista->ImpostaPalline(p, cifre[int(p)]);
    // A closed box (waiting for "avanti") never takes the focus.
    if (!confermaChiusa(casella))
        casella->setFocus();
}

QString FinestraLeggere::compito() const
{
    return QStringLiteral("quante palline? ") + QString::fromUtf8(d.istruzione).simplified().toLower();
}

// The answer as the pupil wrote it, said aloud: a number of digits as its
// words, words as they are.
QString FinestraLeggere::daDire(const QString &testo) const
{
    if (d.giudizio == G::Lettere)
        return TestoDaDire(RispostaInLettere(testo));
    if (d.giudizio == G::Valore) {
        const LetturaNumero v = ValoreDigitato(testo);
        if (v.numero && v.valore >= 0 && v.valore <= 32767 && v.valore == std::floor(v.valore))
            return NumeroDaDire(int(v.valore));
        return TestoDaDire(testo);
    }
    // Judged on its digits alone: said as they are judged.
    const QString cifre = SoloCifre(testo);
    const int n = cifre.isEmpty() ? 0 : numeroDaCifre(cifre);
    return n >= 0 ? NumeroDaDire(n) : TestoDaDire(cifre);
}

bool FinestraLeggere::esatta(const QString &testo) const
{
    const int n = numero;
    switch (d.giudizio) {
    case G::Valore:
        return digitatoUguale(testo, n);
    case G::SoloCifre:
        return numeroDaCifre(SoloCifre(testo)) == n;
    case G::Lettere:
        break;
    }
    return ParoleUguali(RispostaInLettere(testo), n);
}

void FinestraLeggere::giudica()
{
    const QString testo = casella->text();
    if (testo.isEmpty() && d.giudizio != G::SoloCifre)
        return;
    ctx.voce.di(QStringLiteral("hai scritto ") + daDire(testo));
    if (esatta(testo)) {
        riscontro().esatto();
        if (avanzamento->dopoEsatto()) {
            NuovoNumero();
            casella->clear();
            casella->setFocus();
        }
    } else {
        riscontro().errato();
        casella->setFocus();
    }
}

void FinestraLeggere::BottoneAvanti_Click()
{
    avanzamento->avantiPremuto();
    NuovoNumero();
}

int FinestraLeggere::sostituto(int codice) const
{
    if (d.giudizio == G::Lettere)
        return LetteraMaiuscola(codice);
    if (d.puntoInSpazio && codice == '.' && !casella->text().isEmpty())
        return ' ';
    return codice;
}
