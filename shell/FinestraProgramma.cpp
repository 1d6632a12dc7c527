#include "FinestraProgramma.h"

#include "Colori.h"
#include "Contesto.h"
#include "Geometria.h"
#include "Navigatore.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>

FinestraProgramma::FinestraProgramma(Contesto &c, const QString &nome, int larghezzaTwips, int altezzaTwips,
                                     Ruolo ruolo)
    : ctx(c), client(new QWidget(this)), ruoloFinestra(ruolo)
{
    setObjectName(nome);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/assets/faccia_sorride.xpm")));
    client->setObjectName(QStringLiteral("area"));
    client->setFixedSize(geo::dimensione(larghezzaTwips, altezzaTwips));
    client->setAutoFillBackground(true);
    setCentralWidget(client);
}

void FinestraProgramma::chiudi()
{
    chiusuraDecisa = true;
    close();
}

void FinestraProgramma::impostaSfondo(const QColor &colore)
{
    QPalette p = client->palette();
    p.setColor(QPalette::Window, colore);
    p.setColor(QPalette::WindowText, coloreTestoSu(colore));
    client->setPalette(p);
}

QColor FinestraProgramma::sfondo() const
{
    return client->palette().color(QPalette::Window);
}

QAction *FinestraProgramma::voceMenu(const QString &nome, const QString &testo)
{
    QAction *voce = menuBar()->addAction(testo);
    voce->setObjectName(nome);
    return voce;
}

void FinestraProgramma::closeEvent(QCloseEvent *evento)
{
    // The title bar's button asks what the window's own exit asks; a "Yes"
    // there closes this very window while Qt is still closing it, and a
    // nested close() is a no-op, so the decision is taken here.
    if (!chiusuraDecisa)
        richiestaChiusura();
    if (chiusuraDecisa)
        QMainWindow::closeEvent(evento);
    else
        evento->ignore();
}

bool FinestraProgramma::event(QEvent *evento)
{
    if (evento->type() == QEvent::WindowActivate)
        ctx.navigatore.finestraAttivata(this);
    return QMainWindow::event(evento);
}
