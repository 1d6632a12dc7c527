// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraRiepilogo.h"

#include "RegistroLezione.h"
#include "TestoRiepilogo.h"
#include "framework/Colori.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/Geometria.h"
#include "framework/Piattaforma.h"
#include "worksheets/FormStampa.h"
#include "worksheets/SalvaPdf.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace {

constexpr int puntiSulFoglio = 11;

} // namespace

FinestraRiepilogo::FinestraRiepilogo(Contesto &c, const QString &nome, RegistroLezione &l)
    : FinestraProgramma(c, nome, 9570, 7200, Ruolo::Affiancata), lezione(l)
{
    setWindowTitle(QStringLiteral("Riepilogo della lezione"));
    impostaSfondo(sfondoTranquillo());
    QWidget *a = area();
    controlli::etichetta(a, QStringLiteral("EtichettaTitolo"), QStringLiteral("Riepilogo della lezione"),
                         QRect(240, 120, 9090, 555), geo::carattere(QStringLiteral("Arial"), 18, true));
    const QFont testo = geo::carattere(QStringLiteral("Arial"), 12, true);
    classe = controlli::etichetta(a, QStringLiteral("EtichettaClasse"), QString(), QRect(240, 780, 3600, 375), testo);
    data = controlli::etichetta(a, QStringLiteral("EtichettaData"), QString(), QRect(3960, 780, 5370, 375), testo,
                                Qt::AlignRight | Qt::AlignTop);

    tabella = new QTableView(a);
    tabella->setObjectName(QStringLiteral("TabellaRiepilogo"));
    tabella->setModel(&lezione);
    geo::colloca(tabella, QRect(240, 1320, 9090, 5640));
    geo::impostaCarattere(tabella, geo::carattere(QStringLiteral("Arial"), 11));
    tabella->verticalHeader()->hide();
    tabella->installEventFilter(this);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionMode(QAbstractItemView::NoSelection);
    tabella->setFocusPolicy(Qt::NoFocus);
    tabella->setWordWrap(false);
    QHeaderView *testata = tabella->horizontalHeader();
    testata->setSectionResizeMode(QHeaderView::ResizeToContents);
    testata->setSectionResizeMode(1, QHeaderView::Stretch);
    vuota = controlli::etichetta(a, QStringLiteral("EtichettaVuota"),
                                 QStringLiteral("Nessun esercizio svolto finora: il riepilogo si riempie "
                                                "man mano che la classe lavora."),
                                 QRect(480, 3000, 8610, 900), geo::carattere(QStringLiteral("Arial"), 12),
                                 Qt::AlignCenter);
    vuota->setWordWrap(true);

    QAction *stampa = voceMenu(QStringLiteral("mnuStampa"), QStringLiteral("Stampa        "));
    connect(stampa, &QAction::triggered, this, [this] {
        fogli::stampaOPdf(
            ctx, this,
            [this] { ctx.piattaforma.stampaRighe(sulFoglio()); },
            [this] { salvaPdf(); });
    });
    connect(voceMenu(QStringLiteral("mnuSalvaPdf"), QStringLiteral("Salva PDF        ")), &QAction::triggered, this,
            &FinestraRiepilogo::salvaPdf);
    connect(voceMenu(QStringLiteral("mnuesci"), QStringLiteral("Esci")), &QAction::triggered, this,
            &FinestraRiepilogo::chiudi);
    // The table follows the register by itself; the words around it follow
    // its first and last rows.
    connect(&lezione, &QAbstractItemModel::rowsInserted, this, &FinestraRiepilogo::aggiorna);
}

bool FinestraRiepilogo::eventFilter(QObject *oggetto, QEvent *evento)
{
    // Rows with room around their type, which grows with the window.
    if (oggetto == tabella && evento->type() == QEvent::FontChange)
        tabella->verticalHeader()->setDefaultSectionSize(qRound(QFontMetrics(tabella->font()).height() * 1.6));
    return FinestraProgramma::eventFilter(oggetto, evento);
}

TestoSuCarta FinestraRiepilogo::sulFoglio() const
{
    return {.righe = riepilogo::righeSulFoglio(lezione.righe(), ctx.classe, ctx.tranquilla, ctx.piattaforma.oggi()),
            .carattere = FormStampa::caratterePerFoglio,
            .punti = puntiSulFoglio};
}

void FinestraRiepilogo::salvaPdf()
{
    fogli::salvaPdf(ctx, this, QStringLiteral("riepilogo-lezione"), [this](const QString &file) { return scriviPdf(file); },
                     QStringLiteral("Il riepilogo è stato salvato nel file:"));
}

QString FinestraRiepilogo::scriviPdf(const QString &file) const
{
    return ctx.piattaforma.pdfRighe(sulFoglio(), file);
}

void FinestraRiepilogo::aggiorna()
{
    classe->setText(riepilogo::rigaClasse(ctx.classe));
    data->setText(riepilogo::rigaData(ctx.piattaforma.oggi()));
    vuota->setVisible(lezione.vuoto());
    tabella->setVisible(!lezione.vuoto());
    // The visit still open has gone on since the table last showed it.
    lezione.aggiornaDurata();
}
