// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraEsercizio.h"

#include "Contesto.h"

#include <QAction>

FinestraEsercizio::FinestraEsercizio(Contesto &c, const QString &nome, int larghezzaTwips, int altezzaTwips,
                                     bool azzeraAllUscita)
    : FinestraProgramma(c, nome, larghezzaTwips, altezzaTwips, Ruolo::Principale), azzeraUscendo(azzeraAllUscita)
{
    setWindowTitle(QStringLiteral("Orbetto"));
}

FinestraEsercizio::~FinestraEsercizio() = default;

void FinestraEsercizio::creaRiscontro(const PostiRiscontro &posti)
{
    feedback = std::make_unique<Riscontro>(ctx, area(), posti);
}

void FinestraEsercizio::richiestaChiusura()
{
    emit chiedeMenu(azzeraUscendo);
}

QAction *FinestraEsercizio::voceAzzera(const QString &testo)
{
    QAction *a = voceMenu(QStringLiteral("MenuAzzera"), testo);
    connect(a, &QAction::triggered, this, [this] { AzzeraConteggio(ctx, *feedback); });
    return a;
}

QAction *FinestraEsercizio::voceInformazioni()
{
    QAction *a = voceMenu(QStringLiteral("MenuInformazioni"), QStringLiteral("Informazioni          "));
    connect(a, &QAction::triggered, this, &FinestraEsercizio::chiedeInformazioni);
    return a;
}

QAction *FinestraEsercizio::voceStampaScheda(const QString &scheda)
{
    QAction *a = voceMenu(QStringLiteral("mnuStampa"), QStringLiteral("Stampa scheda        "));
    connect(a, &QAction::triggered, this, [this, scheda] { emit chiedeAffiancata(scheda); });
    return a;
}

QAction *FinestraEsercizio::voceEsci()
{
    QAction *a = voceMenu(QStringLiteral("mnuEsci"), QStringLiteral("Esci"));
    connect(a, &QAction::triggered, this, [this] { emit chiedeMenu(azzeraUscendo); });
    return a;
}
