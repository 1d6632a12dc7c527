// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraEsercizio.h"

#include "Altoparlante.h"
#include "Contesto.h"
#include "Geometria.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

FinestraEsercizio::FinestraEsercizio(Contesto &c, const QString &nome, int larghezzaTwips, int altezzaTwips,
                                     bool azzeraAllUscita)
    : FinestraProgramma(c, nome, larghezzaTwips, altezzaTwips, Ruolo::Principale), azzeraUscendo(azzeraAllUscita),
      larghezzaArea(larghezzaTwips)
{
    setWindowTitle(QStringLiteral("Orbetto"));
}

FinestraEsercizio::~FinestraEsercizio() = default;

void FinestraEsercizio::creaRiscontro(const PostiRiscontro &posti)
{
    feedback = new Riscontro(ctx, area(), posti);
}

void FinestraEsercizio::richiestaChiusura()
{
    emit chiedeMenu(azzeraUscendo);
}

QAction *FinestraEsercizio::voceAzzera(const QString &testo)
{
    QAction *a = voceMenu(QStringLiteral("MenuAzzera"), testo);
    connect(a, &QAction::triggered, this, [this] { feedback->azzera(); });
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

QMenu *FinestraEsercizio::menuVoceEsercizio()
{
    QMenu *menu = menuVoce();
    connect(&ctx.voce, &Dizione::accesaCambiata, this, &FinestraEsercizio::aggiornaRipeti);
    QAction *ripeti = menu->addAction(QStringLiteral("Ripeti"));
    ripeti->setObjectName(QStringLiteral("mnuRipeti"));
    ripeti->setShortcut(QKeySequence(Qt::Key_F5));
    connect(ripeti, &QAction::triggered, this, [this] { ctx.voce.ripeti(this); });

    // In the client area's top right corner, free in every exercise window:
    // on the menu bar it would take the room of its items.
    altoparlante = new Altoparlante(area());
    altoparlante->setObjectName(QStringLiteral("BottoneRipeti"));
    geo::colloca(altoparlante, QRect(larghezzaArea - 675, 75, 600, 510));
    connect(altoparlante, &Altoparlante::clicked, this, [this] { ctx.voce.ripeti(this); });
    aggiornaRipeti();
    return menu;
}

void FinestraEsercizio::ripetiSempre(bool si)
{
    ripetiAnchePerDettato = si;
    aggiornaRipeti();
}

void FinestraEsercizio::aggiornaRipeti()
{
    if (!altoparlante)
        return;
    altoparlante->setVisible(ctx.voce.accesa() || ripetiAnchePerDettato);
    altoparlante->raise();
}
