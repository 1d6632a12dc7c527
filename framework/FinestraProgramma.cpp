// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraProgramma.h"

#include "Colori.h"
#include "Contesto.h"
#include "Geometria.h"
#include "Tastiera.h"

#include <QCloseEvent>
#include <QIcon>
#include <QApplication>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <cmath>

namespace {

// Smaller than this, the captions stop being readable.
constexpr double scalaMinima = 0.5;

} // namespace

FinestraProgramma::FinestraProgramma(Contesto &c, const QString &nome, int larghezzaTwips, int altezzaTwips,
                                     Ruolo ruolo)
    : ctx(c), cornice(new QWidget(this)), client(new QWidget(cornice)),
      base(geo::dimensione(larghezzaTwips, altezzaTwips)), ruoloFinestra(ruolo)
{
    setObjectName(nome);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/assets/faccia_sorride.xpm")));
    cornice->setObjectName(QStringLiteral("cornice"));
    cornice->setAutoFillBackground(true);
    cornice->setMinimumSize(int(base.width() * scalaMinima), int(base.height() * scalaMinima));
    cornice->installEventFilter(this);
    client->setObjectName(QStringLiteral("area"));
    client->setAutoFillBackground(true);
    client->setGeometry(QRect(QPoint(0, 0), base));
    setCentralWidget(cornice);
    resize(base);

    tastiera = new Tastiera(client);
    new QShortcut(QKeySequence(Qt::Key_F11), this, this, &FinestraProgramma::schermoIntero);
    // F10 puts the keyboard in the menu bar: arrows move, Enter chooses.
    new QShortcut(QKeySequence(Qt::Key_F10), this, this, [this] {
        if (auto *barra = qobject_cast<QMenuBar *>(menuWidget()); barra && !barra->actions().isEmpty()) {
            barra->setFocus(Qt::ShortcutFocusReason);
            barra->setActiveAction(barra->actions().first());
        }
    });
    esciDalloSchermoIntero = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &FinestraProgramma::schermoIntero);
    esciDalloSchermoIntero->setEnabled(false);
}

double FinestraProgramma::scala() const
{
    return geo::scalaDi(client);
}

void FinestraProgramma::mostra()
{
    const QWidget *barra = menuWidget();
    const auto altezzaMenu = [barra](int larghezza) {
        if (!barra)
            return 0;
        return barra->hasHeightForWidth() ? barra->heightForWidth(larghezza) : barra->sizeHint().height();
    };
    double s = ctx.scala;
    QRect libero;
    if (const QScreen *schermo = screen()) {
        // Room for the frame and the title bar a window manager adds.
        libero = schermo->availableGeometry().adjusted(0, 0, -16, -40);
        const double entra = std::min(double(libero.width()) / base.width(),
                                      double(libero.height() - altezzaMenu(base.width())) / base.height());
        s = std::clamp(std::min(s, entra), scalaMinima, std::max(s, scalaMinima));
    }
    tastiera->ordinaTab();
    const int larghezza = int(std::lround(base.width() * s));
    resize(larghezza, int(std::lround(base.height() * s)) + altezzaMenu(larghezza));
    // Centred on the screen, frame and title bar included (8 and 40 pixels
    // set aside above), not where the window system would drop it.
    if (libero.isValid())
        move(libero.left() + std::max(0, (libero.width() - width()) / 2) + 8,
             libero.top() + std::max(0, (libero.height() - height()) / 2) + 32);
    if (ctx.schermoIntero)
        showFullScreen();
    else if (ctx.massimizzate)
        showMaximized();
    else
        show();
}

void FinestraProgramma::adattaAllaCornice()
{
    const QSize spazio = cornice->size();
    const double s = std::max(scalaMinima, std::min(double(spazio.width()) / base.width(),
                                                    double(spazio.height()) / base.height()));
    const QSize dimensione(int(std::lround(base.width() * s)), int(std::lround(base.height() * s)));
    // Centred across, at the top: the spare band is the background.
    client->setGeometry(QRect(QPoint(std::max(0, (spazio.width() - dimensione.width()) / 2), 0), dimensione));
    if (s != scala())
        geo::applicaScala(client, s);
    if (isVisible() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        ctx.scala = s;
}

void FinestraProgramma::schermoIntero()
{
    if (isFullScreen()) {
        if (ctx.massimizzate)
            showMaximized();
        else
            showNormal();
    } else {
        showFullScreen();
    }
}

void FinestraProgramma::changeEvent(QEvent *evento)
{
    if (evento->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates stato = windowState();
        esciDalloSchermoIntero->setEnabled(stato & Qt::WindowFullScreen);
        if (isVisible()) {
            ctx.schermoIntero = stato & Qt::WindowFullScreen;
            if (!ctx.schermoIntero && !(stato & Qt::WindowMinimized))
                ctx.massimizzate = stato & Qt::WindowMaximized;
        }
    }
    QMainWindow::changeEvent(evento);
}

bool FinestraProgramma::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == cornice && evento->type() == QEvent::Resize)
        adattaAllaCornice();
    else if (oggetto == menuWidget() && evento->type() == QEvent::Resize)
        adattaBarra();
    return QMainWindow::eventFilter(oggetto, evento);
}

namespace {

// Menu-bar items measured and drawn without their trailing blanks.
class StileBarraStretta : public QProxyStyle
{
public:
    explicit StileBarraStretta(QObject *genitore) : QProxyStyle() { setParent(genitore); }

    QSize sizeFromContents(ContentsType tipo, const QStyleOption *opzione, const QSize &contenuto,
                           const QWidget *w) const override
    {
        if (tipo == CT_MenuBarItem)
            if (const auto *voce = qstyleoption_cast<const QStyleOptionMenuItem *>(opzione)) {
                QStyleOptionMenuItem corta = *voce;
                corta.text = voce->text.trimmed();
                const QSize testo = voce->fontMetrics.size(Qt::TextShowMnemonic, corta.text);
                const QSize intera = voce->fontMetrics.size(Qt::TextShowMnemonic, voce->text);
                return QProxyStyle::sizeFromContents(tipo, &corta, contenuto - intera + testo, w);
            }
        return QProxyStyle::sizeFromContents(tipo, opzione, contenuto, w);
    }

    void drawControl(ControlElement elemento, const QStyleOption *opzione, QPainter *p,
                     const QWidget *w) const override
    {
        if (elemento == CE_MenuBarItem)
            if (const auto *voce = qstyleoption_cast<const QStyleOptionMenuItem *>(opzione)) {
                QStyleOptionMenuItem corta = *voce;
                corta.text = voce->text.trimmed();
                QProxyStyle::drawControl(elemento, &corta, p, w);
                return;
            }
        QProxyStyle::drawControl(elemento, opzione, p, w);
    }
};

} // namespace

void FinestraProgramma::adattaBarra()
{
    auto *barra = qobject_cast<QMenuBar *>(menuWidget());
    // Only a new width changes what fits: the bar's own height follows its
    // type, and answering that would go round for ever.
    if (!barra || barra->actions().isEmpty() || adattandoBarra || barra->width() == larghezzaBarra)
        return;
    // A new type changes the bar's height and resizes it again.
    adattandoBarra = true;
    QFont f = QApplication::font(barra);
    barra->setFont(f);
    QAction *ultima = barra->actions().constLast();
    // An item moved behind "»" has no place on the bar at all.
    // The corner (the speaker of "Voce") is no room for items.
    const auto stretta = [&] {
        const QRect posto = barra->actionGeometry(ultima);
        const QWidget *angolo = barra->cornerWidget(Qt::TopRightCorner);
        const int fine = angolo && angolo->isVisibleTo(barra) ? barra->width() - angolo->sizeHint().width()
                                                               : barra->width();
        const auto *altre = barra->findChild<QWidget *>(QStringLiteral("qt_menubar_ext_button"));
        return posto.isNull() || posto.right() >= fine - 2 || (altre && altre->isVisibleTo(barra));
    };
    // First the captions' trailing blanks go (on the screen only: the
    // texts stay as they are), then the type gets smaller.
    barra->setStyle(nullptr);
    if (stretta()) {
        if (!stileStretto)
            stileStretto = new StileBarraStretta(barra);
        barra->setStyle(stileStretto);
    }
    // No smaller on the screen than 6 points at scale 1: with the screen
    // scaled up, the points may go lower by as much.
    const double minimo = 6.0 / std::max(1.0, barra->devicePixelRatioF());
    while (stretta() && f.pointSizeF() > minimo) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
        barra->setFont(f);
    }
    larghezzaBarra = barra->width();
    adattandoBarra = false;
}

void FinestraProgramma::riadattaBarra()
{
    larghezzaBarra = -1;
    adattaBarra();
}

void FinestraProgramma::chiudi()
{
    chiusuraDecisa = true;
    close();
}

void FinestraProgramma::tabPerColonne()
{
    tastiera->ordinaPerColonne();
}

void FinestraProgramma::impostaSfondo(const QColor &colore)
{
    // The frame around the client area too: the spare band of a scaled
    // window is the window's own colour. The client area inherits it.
    QPalette p = cornice->palette();
    p.setColor(QPalette::Window, colore);
    p.setColor(QPalette::WindowText, coloreTestoSu(colore));
    cornice->setPalette(p);
}

QColor FinestraProgramma::sfondo() const
{
    return client->palette().color(QPalette::Window);
}

QAction *FinestraProgramma::voceMenu(const QString &nome, const QString &testo)
{
    QAction *voce = menuBar()->addAction(testo);
    voce->setObjectName(nome);
    menuBar()->installEventFilter(this);
    larghezzaBarra = -1;
    return voce;
}

QMenu *FinestraProgramma::menuVoce()
{
    QMenu *menu = menuBarra(QStringLiteral("MenuVoce"), QStringLiteral("Voce  "));
    QAction *voce = menu->addAction(QStringLiteral("Voce"));
    voce->setObjectName(QStringLiteral("mnuVoce"));
    voce->setCheckable(true);
    voce->setChecked(ctx.voce.accesa());
    // Qt has toggled the mark already: it tells what the teacher chose.
    connect(voce, &QAction::triggered, this, [this](bool si) { ctx.voce.accendi(si); });
    connect(&ctx.voce, &Dizione::accesaCambiata, voce, &QAction::setChecked);
    return menu;
}

QMenu *FinestraProgramma::menuBarra(const QString &nome, const QString &testo)
{
    QMenu *menu = menuBar()->addMenu(testo);
    menu->setObjectName(nome);
    menu->menuAction()->setObjectName(nome);
    menuBar()->installEventFilter(this);
    larghezzaBarra = -1;
    return menu;
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
        ctx.attivazioni.finestraAttivata(this);
    return QMainWindow::event(evento);
}
