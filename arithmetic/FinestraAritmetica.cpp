// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraAritmetica.h"

#include "SequenzaCambio.h"

#include "abacus/Disegni.h"
#include "abacus/VistaOrbetto.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/FiltroInvio.h"
#include "framework/Geometria.h"
#include "framework/Piattaforma.h"
#include "framework/Tastiera.h"
#include "framework/Testi.h"
#include "words/Pronuncia.h"
#include "words/Risposte.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>

FinestraAritmetica::FinestraAritmetica(Contesto &c, const QString &nome, const DisposizioneAritmetica &d,
                                       const std::vector<GeometriaAsta> &aste)
    : FinestraEsercizio(c, nome, d.larghezza, d.altezza, false)
{
    QWidget *a = area();
    EtichettaNumero = controlli::etichetta(a, QStringLiteral("EtichettaNumero"), QString(),
                                           QRect(d.numero.x(), d.numero.y(), d.numero.width(), d.numero.height()),
                                           geo::carattere(QStringLiteral("Arial"), 18, true),
                                           Qt::AlignLeft | Qt::AlignVCenter);
    EtichettaNumero->setWordWrap(false);
    Text1 = new QLineEdit(a);
    Text1->setObjectName(QStringLiteral("Text1"));
    geo::colloca(Text1, QRect(d.risultato.x(), d.risultato.y(), d.risultato.width(), d.risultato.height()));
    geo::impostaCarattere(Text1, geo::carattere(QStringLiteral("Arial"), 18, true));
    Text1->setAccessibleName(QStringLiteral("risultato dell'operazione"));
    Text1->hide();
    filtro = new FiltroInvio(ctx.piattaforma, Text1, FiltroInvio::Momento::AlRilascio, [this] { giudica(); });

    vista = new VistaOrbetto(ctx.piattaforma, a, aste);
    sequenza = new SequenzaCambio(ctx.piattaforma, a);

    const QFont fontBottoni = geo::carattere(QStringLiteral("Arial"), 13, true);
    QPushButton *ricomincia = controlli::bottone(a, QStringLiteral("Bot_ricomincia"), QStringLiteral("Ricomincia"),
                                                 QRect(d.ricomincia.x(), d.ricomincia.y(), 1905, 1095),
                                                 fontBottoni);
    connect(ricomincia, &QPushButton::clicked, this, seLibero([this] { Ricomincia(); }));
    BottoneAvanti = controlli::bottone(a, QStringLiteral("BottoneAvanti"), QStringLiteral("avanti"),
                                       QRect(d.avanti.x(), d.avanti.y(), 1935, 975), fontBottoni);
    BottoneAvanti->setEnabled(false);
    connect(BottoneAvanti, &QPushButton::clicked, this, seLibero([this] { BottoneAvanti_Click(); }));
    avanzamento = std::make_unique<Avanzamento>(BottoneAvanti, Text1);
    creaRiscontro(d.riscontro);
    if (!d.istruzione.isNull())
        controlli::etichetta(a, QStringLiteral("Label6"),
                             QStringLiteral("Click sinistro per inserire le palline, click destro per toglierle."),
                             QRect(d.istruzione.x(), d.istruzione.y(), 6015, 255),
                             geo::carattere(QStringLiteral("Arial"), 8));
}

FinestraAritmetica::~FinestraAritmetica() = default;

void FinestraAritmetica::carica()
{
    avanzamento->allAttivazione(ctx.attendeAvanti());
    riscontro().azzera();
    vista->SvuotaOrbetto();
    if (const qint16 massimo = massimoAlCaricamento())
        ctx.NumeroMassimo = massimo;
    nuovaOperazione();
}

void FinestraAritmetica::nuovaOperazione()
{
    NuovoNumero();
    fuocoPrimaAsta();
}

void FinestraAritmetica::fuocoPrimaAsta()
{
    // The subtractions' rods have "+" buttons of their own.
    if (!vista->fuocoSullaPrimaAsta() && primoPiu && primoPiu->isEnabled())
        primoPiu->setFocus();
}

void FinestraAritmetica::closeEvent(QCloseEvent *evento)
{
    // Leaving in the middle of an exchange: its remaining states never run.
    FinestraEsercizio::closeEvent(evento);
    if (evento->isAccepted())
        sequenza->ferma();
}

void FinestraAritmetica::bottoniConPressione()
{
    connect(vista, &VistaOrbetto::premuto, this, &FinestraAritmetica::premuta);
}

void FinestraAritmetica::premuta(Posto p, Qt::MouseButton tasto)
{
    if (animazione)
        return;
    if (tasto == Qt::LeftButton) {
        if (vista->AggiungiPallina(p)) {
            aggiornaConteggi();
            dopoAggiunta(p);
        }
    } else if (vista->TogliPallina(p)) {
        aggiornaConteggi();
        dopoRimozione(p);
    }
}

void FinestraAritmetica::bottonePiu(Posto p, const QString &nome, const QString &testo, const QRect &posto)
{
    QPushButton *b = controlli::bottone(area(), nome, testo, QRect(posto.x(), posto.y(), posto.width(), posto.height()),
                                        geo::carattere(QStringLiteral("Arial"), 13, true));
    b->setAccessibleDescription(QStringLiteral("aggiunge una pallina: ") + nomeLungo(p));
    if (!primoPiu)
        primoPiu = b;
    connect(b, &QPushButton::clicked, this, seLibero([this, p] { premuta(p, Qt::LeftButton); }));
}

void FinestraAritmetica::bottoneMeno(Posto p, const QString &nome, const QString &testo, const QRect &posto)
{
    QPushButton *b = controlli::bottone(area(), nome, testo, QRect(posto.x(), posto.y(), posto.width(), posto.height()),
                                        geo::carattere(QStringLiteral("Arial"), 13, true));
    b->setAccessibleDescription(QStringLiteral("toglie una pallina: ") + nomeLungo(p));
    connect(b, &QPushButton::clicked, this, seLibero([this, p] { premuta(p, Qt::RightButton); }));
}

QLabel *FinestraAritmetica::etichettaConteggio(Posto p, const QString &nome, QPoint posto)
{
    QLabel *l = controlli::etichetta(area(), nome, TestoConteggio(0), QRect(posto.x(), posto.y(), 375, 495),
                                     geo::carattere(QStringLiteral("Arial"), 10, true), Qt::AlignLeft | Qt::AlignVCenter);
    l->setWordWrap(false);
    conteggi.insert(p, l);
    l->setAccessibleName(nomeAccessibileAsta(nomeLungo(p), 0));
    return l;
}

void FinestraAritmetica::aggiornaConteggi()
{
    for (auto i = conteggi.cbegin(); i != conteggi.cend(); ++i) {
        i.value()->setText(TestoConteggio(vista->conteggio(i.key())));
        i.value()->setAccessibleName(nomeAccessibileAsta(nomeLungo(i.key()), vista->conteggio(i.key())));
    }
}

RegoleCentinaia::Aste FinestraAritmetica::asteOra() const
{
    return {.h = vista->conteggio(Posto::h), .da = vista->conteggio(Posto::da), .u = vista->conteggio(Posto::u)};
}

void FinestraAritmetica::eseguiPasso(QLabel *prompt, const RegoleCentinaia::Passo &passo)
{
    if (prompt && !passo.prompt.isEmpty())
        mostraPrompt(prompt, passo.prompt);
    if (passo.risultato)
        mostraRisultato();
}

QLabel *FinestraAritmetica::etichettaPrompt(const QString &nome, const QRect &posto)
{
    return controlli::etichetta(area(), nome, QString(),
                                QRect(posto.x(), posto.y(), posto.width(), posto.height()),
                                geo::carattere(QStringLiteral("Arial"), 12, true));
}

QPushButton *FinestraAritmetica::bottoneCambio(const QString &nome, const QRect &posto)
{
    QPushButton *b = controlli::bottone(area(), nome, QStringLiteral("Cambio"), posto,
                                        geo::carattere(QStringLiteral("Arial"), 14, true));
    bottoniCambio.push_back(b);
    return b;
}

void FinestraAritmetica::NuovoNumero()
{
    azzeraColonne();
    preparaOperazione();
}

void FinestraAritmetica::Ricomincia()
{
    azzeraColonne();
    ricominciaOperazione();
    fuocoPrimaAsta();
}

void FinestraAritmetica::azzeraColonne()
{
    vista->SvuotaOrbetto();
    aggiornaConteggi();
    for (QPushButton *b : bottoniCambio)
        b->setEnabled(true);
}

Linea *FinestraAritmetica::lineaSegno(Posto p, const QString &nome, int x1, int x2)
{
    auto *l = new Linea(QColor(0, 0, 0), 3, area());
    l->setObjectName(nome);
    l->posiziona(QPoint(x1, 0), QPoint(x2, 0));
    l->hide();
    segni.insert(p, l);
    return l;
}

void FinestraAritmetica::collocaSegno(Posto p, int cifra)
{
    Linea *l = segni.value(p);
    if (!l)
        return;
    const int y = vista->altoPosto(p, cifra) + 435;
    l->posiziona(QPoint(l->inizio().x(), y), QPoint(l->fine().x(), y));
}

void FinestraAritmetica::mostraSegni(bool visibili)
{
    for (Linea *l : std::as_const(segni))
        l->setVisible(visibili);
}

void FinestraAritmetica::creaMenu(const DescrizioneAritmetica &d)
{
    // While beads are exchanged the whole menu bar is disabled.
    voceAzzera(QStringLiteral("Azzera conteggio        "));
    if (d.voceStampa) {
        QAction *stampa = voceMenu(QString::fromLatin1(d.voceStampa), QStringLiteral("Stampa scheda        "));
        connect(stampa, &QAction::triggered, this, seLibero([this, tipoScheda = d.tipoScheda] {
                    emit chiedeComposizione(tipoScheda);
                }));
    }
    menuVoceEsercizio();
    voceInformazioni();
    voceEsci();
}

void FinestraAritmetica::suona()
{
    suonaPasso(ctx);
}

void FinestraAritmetica::mostraRisultato()
{
    Text1->clear();
    Text1->show();
    if (!confermaChiusa(Text1))
        Text1->setFocus();
}

void FinestraAritmetica::nascondiRisultato()
{
    Text1->hide();
}

void FinestraAritmetica::risultatoDaCapo()
{
    chiudiConferma(Text1, false);
    Text1->hide();
}

void FinestraAritmetica::risultatoVuotoDaCapo()
{
    chiudiConferma(Text1, false);
    Text1->clear();
    Text1->hide();
}

void FinestraAritmetica::spegniAvanti()
{
    BottoneAvanti->setEnabled(false);
}

void FinestraAritmetica::mostraOperazione(const QString &testo)
{
    EtichettaNumero->setText(testo);
    operazioneDetta = OperazioneDaDire(testo);
    ctx.voce.annuncia(this, operazioneDetta);
}

void FinestraAritmetica::mostraPrompt(QLabel *etichetta, const QString &testo)
{
    etichetta->setText(testo);
    const QString detto = TestoDaDire(testo);
    ctx.voce.annuncia(this, detto, UnisciFrasi({operazioneDetta, detto}));
}

namespace {

// How the exchange is said: "dieci unità diventano una decina".
const char *unoDi(Posto p)
{
    static const char *const nomi[] = {"un migliaio", "un centinaio", "una decina", "un'unità"};
    return nomi[int(p)];
}

const char *moltiDi(Posto p)
{
    static const char *const nomi[] = {"migliaia", "centinaia", "decine", "unità"};
    return nomi[int(p)];
}

} // namespace

void FinestraAritmetica::mostraSegno(Posto p)
{
    segni.value(p)->show();
}

void FinestraAritmetica::segnalaErrato(bool conBeep)
{
    if (conBeep)
        riscontro().erratoConBeep();
    else
        riscontro().errato();
}

void FinestraAritmetica::animazioneInizia(bool inizio)
{
    // While beads are exchanged every input of the window is inert: the
    // handlers check the flag, the result box drops its keys and the menu
    // bar is disabled.
    animazione = inizio;
    filtro->impostaInerte(inizio);
    menuBar()->setEnabled(!inizio);
}

void FinestraAritmetica::lasciaIlBottone(QPushButton *bottone)
{
    // A greyed button hands its focus to the next control, "Ricomincia":
    // the pupil goes on with the beads instead.
    const bool fuoco = bottone->hasFocus();
    if (fuoco)
        fuocoPrimaAsta();
    bottone->setEnabled(false);
}

void FinestraAritmetica::cambioInSu(Posto basso, Posto alto, QPushButton *bottone, bool conBeep)
{
    if (animazione)
        return;
    const int c = vista->conteggio(basso);
    if (c < 10) {
        segnalaErrato(conBeep);
        return;
    }
    const int t = vista->conteggio(alto);
    if (t >= vista->modello().posti(alto))
        return; // no free place for the new bead
    ctx.voce.di(QStringLiteral("dieci %1 diventano %2").arg(QString::fromUtf8(moltiDi(basso)), QString::fromUtf8(unoDi(alto))));
    // 13 states: the ten top beads of the lower rod flash nine times, then
    // they go and the new bead of the upper rod flashes four times.
    const auto dieci = [this, basso, c] {
        QRegion r;
        for (int i = c - 10; i <= c - 1; ++i)
            r += vista->commuta(basso, i);
        return r;
    };
    const auto nuova = [this, alto, t] { return QRegion(vista->commuta(alto, t)); };
    std::vector<SequenzaCambio::Stato> stati(9, dieci);
    stati.push_back([this, basso, c, nuova] {
        QRegion r;
        for (int i = c - 1; i >= c - 10; --i)
            r += vista->impostaVisibile(basso, i, false);
        return r + nuova();
    });
    stati.insert(stati.end(), 3, nuova);
    animazioneInizia(true);
    sequenza->avvia(std::move(stati), pausaCambio, [this, basso, alto, bottone, c, t] {
        vista->impostaVisibile(alto, t, true);
        vista->impostaConteggio(alto, qint16(t + 1));
        lasciaIlBottone(bottone);
        vista->impostaConteggio(basso, qint16(c - 10));
        animazioneInizia(false);
        aggiornaConteggi();
        dopoCambio();
    });
}

void FinestraAritmetica::cambioInGiu(Posto alto, Posto basso, QPushButton *bottone, bool conBeep)
{
    if (animazione)
        return;
    const int m = vista->conteggio(basso);
    const int n = vista->conteggio(alto);
    if (m >= 10 || n == 0) {
        segnalaErrato(conBeep);
        return;
    }
    ctx.voce.di(QStringLiteral("%1 diventa dieci %2").arg(QString::fromUtf8(unoDi(alto)), QString::fromUtf8(moltiDi(basso))));
    // 18 states: the top bead of the upper rod flashes nine times and goes,
    // then the ten new beads of the lower rod flash nine times together.
    const int t = n - 1;
    vista->impostaConteggio(alto, qint16(t));
    const auto rotta = [this, alto, t] { return QRegion(vista->commuta(alto, t)); };
    const auto dieci = [this, basso, m] {
        QRegion r;
        for (int i = m; i <= m + 9; ++i)
            r += vista->commuta(basso, i);
        return r;
    };
    std::vector<SequenzaCambio::Stato> stati(9, rotta);
    stati.push_back([this, alto, t, dieci] { return QRegion(vista->impostaVisibile(alto, t, false)) + dieci(); });
    stati.insert(stati.end(), 8, dieci);
    animazioneInizia(true);
    sequenza->avvia(std::move(stati), pausaCambio, [this, basso, bottone, m] {
        for (int i = m; i <= m + 9; ++i)
            vista->impostaVisibile(basso, i, true);
        lasciaIlBottone(bottone);
        vista->impostaConteggio(basso, qint16(m + 10));
        animazioneInizia(false);
        aggiornaConteggi();
        dopoCambio();
    });
}

void FinestraAritmetica::giudica()
{
    if (animazione || Text1->text().isEmpty())
        return;
    if (!digitatoUguale(Text1->text(), risultatoAtteso())) {
        riscontro().errato();
        return;
    }
    riscontro().esatto();
    if (avanzamento->dopoEsatto())
        nuovaOperazione();
}

void FinestraAritmetica::BottoneAvanti_Click()
{
    avanzamento->avantiPremuto();
    nuovaOperazione();
}
