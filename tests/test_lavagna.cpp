// SPDX-License-Identifier: GPL-3.0-or-later
// On the whiteboard: every window scales with its frame and keeps the
// proportions of its layout; a finger works the rod buttons.
#include "Banco.h"
#include "abacus/Disegni.h"
#include "abacus/VistaOrbetto.h"
#include "arithmetic/FinestraAritmetica.h"
#include "framework/Applicazione.h"
#include "framework/Geometria.h"

#include <QContextMenuEvent>
#include <QMenuBar>
#include <QPointingDevice>
#include <QPushButton>

namespace {

// The window resized so that its client area is `scala` times its size.
void ridimensiona(FinestraProgramma *f, double scala)
{
    const int menu = f->menuWidget() ? f->menuWidget()->height() : 0;
    f->resize(qRound(f->dimensioneBase().width() * scala), qRound(f->dimensioneBase().height() * scala) + menu);
    QApplication::processEvents();
}

struct Controllo {
    QString nome;
    QRect twips;
    double punti;
};

// Every control of the window placed in twips, with its font at scale 1.
QList<Controllo> controlli(FinestraProgramma *f)
{
    QList<Controllo> elenco;
    for (QWidget *w : f->area()->findChildren<QWidget *>())
        if (geo::postoTwips(w).isValid())
            elenco.append({w->objectName(), geo::postoTwips(w), geo::puntiBase(w)});
    return elenco;
}

// Names of the controls that stand off their place × scale by more than a
// pixel, or whose font is not its size × scale.
QStringList fuoriPosto(FinestraProgramma *f, double scala)
{
    QStringList sbagliati;
    for (QWidget *w : f->area()->findChildren<QWidget *>()) {
        const QRect t = geo::postoTwips(w);
        if (!t.isValid())
            continue;
        const QRectF atteso(t.x() * scala / 15, t.y() * scala / 15, t.width() * scala / 15, t.height() * scala / 15);
        const QRect g = w->geometry();
        if (std::abs(g.x() - atteso.x()) > 1 || std::abs(g.y() - atteso.y()) > 1
            || std::abs(g.width() - atteso.width()) > 1 || std::abs(g.height() - atteso.height()) > 1)
            sbagliati << QStringLiteral("%1 at %2,%3 %4x%5").arg(w->objectName()).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        const double punti = geo::puntiBase(w);
        if (punti > 0 && !qFuzzyCompare(w->font().pointSizeF(), punti * scala))
            sbagliati << QStringLiteral("%1 font %2").arg(w->objectName()).arg(w->font().pointSizeF());
    }
    return sbagliati;
}

FinestraProgramma *apriScheda(Banco &b)
{
    b.apri(QStringLiteral("Command6"));
    b.menu(QStringLiteral("mnuStampa"));
    return b.nav().affiancata(QStringLiteral("formSt99a"));
}

// Touches on a widget with one finger of a touch screen.
class Dito
{
public:
    // One touch screen for the whole suite, deleted at its end.
    static QPointingDevice *&dispositivo()
    {
        static QPointingDevice *d = nullptr;
        return d;
    }
    Dito() : schermo(dispositivo()) {}
    void giu(QWidget *w) { QTest::touchEvent(w, schermo).press(0, w->rect().center(), w); }
    void su(QWidget *w) { QTest::touchEvent(w, schermo).release(0, w->rect().center(), w); }
    void tocca(QWidget *w)
    {
        giu(w);
        su(w);
    }

private:
    QPointingDevice *schermo;
};

int conteggio(Banco &b, Posto p)
{
    if (auto *a = qobject_cast<FinestraAritmetica *>(b.principale()))
        return a->orbetto().conteggio(p);
    return b.principale()->findChild<VistaOrbetto *>()->conteggio(p);
}

} // namespace

class TestLavagna : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        preparaApplicazione(*qApp);
        Dito::dispositivo() = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    }
    void cleanupTestCase() { delete Dito::dispositivo(); }

    void ogniControlloScalaConLaFinestra_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::newRow("FormMenu") << QString();
        QTest::newRow("Form99a") << "Command6";
        QTest::newRow("Form99c") << "Command20";
        QTest::newRow("formSt99a") << "mnuStampa";
    }
    void ogniControlloScalaConLaFinestra()
    {
        QFETCH(QString, bottone);
        Banco b;
        FinestraProgramma *f = nullptr;
        if (bottone.isEmpty()) {
            b.finoAlMenu();
            f = b.principale();
        } else if (bottone == QLatin1String("mnuStampa")) {
            f = apriScheda(b);
        } else {
            f = b.apri(bottone);
        }
        QVERIFY(f);
        QCOMPARE(f->scala(), 1.0);
        QCOMPARE(f->area()->size(), f->dimensioneBase());
        const QList<Controllo> prima = controlli(f);
        QVERIFY(prima.size() > 8);
        QCOMPARE(fuoriPosto(f, 1.0), QStringList());
        for (const double scala : {1.5, 2.0}) {
            ridimensiona(f, scala);
            QCOMPARE(f->scala(), scala);
            QCOMPARE(fuoriPosto(f, scala), QStringList());
        }
        ridimensiona(f, 1.0);
        for (const Controllo &c : prima) {
            QWidget *w = f->area()->findChild<QWidget *>(c.nome);
            QCOMPARE(w->geometry(), geo::rettangolo(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
            if (c.punti > 0)
                QCOMPARE(w->font().pointSizeF(), c.punti);
        }
    }

    // A few places as the windows were drawn, at twice the size.
    void postiDisegnatiAlDoppio()
    {
        Banco b;
        FinestraProgramma *f = b.apri(QStringLiteral("Command20"));
        ridimensiona(f, 2.0);
        QCOMPARE(b.trova<QWidget>(QStringLiteral("Bot_u"))->geometry(), QRect(640, 768, 130, 98));
        QCOMPARE(b.trova<QWidget>(QStringLiteral("BottoneCambio"))->geometry(), QRect(376, 420, 198, 128));
        QCOMPARE(b.trova<QWidget>(QStringLiteral("ComandoIconaSi"))->geometry(), QRect(960, 48, 130, 114));
        QCOMPARE(b.trova<QWidget>(QStringLiteral("Text1"))->font().pointSizeF(), 36.0);
        QCOMPARE(b.trova<QWidget>(QStringLiteral("pal_u(9)"))->geometry(), QRect(700, 196, 58, 58));
        // The spare band: a wider frame centres the area, at the top.
        const int menu = f->menuWidget()->height();
        f->resize(2000, 970 + menu);
        QApplication::processEvents();
        QCOMPARE(f->scala(), 2.0);
        QCOMPARE(f->area()->geometry(), QRect((2000 - 1280) / 2, 0, 1280, 970));
        QCOMPARE(f->centralWidget()->palette().color(QPalette::Window), f->sfondo());
    }

    void laScalaPassaAlleFinestreSeguenti()
    {
        Banco b;
        FinestraProgramma *f = b.apri(QStringLiteral("Command6"));
        ridimensiona(f, 1.5);
        b.menu(QStringLiteral("mnuStampa"));
        QCOMPARE(b.nav().affiancata(QStringLiteral("formSt99a"))->scala(), 1.5);
        b.piattaforma.risposte = {true};
        b.menu(QStringLiteral("mnuEsci"));
        QCOMPARE(b.principale()->objectName(), QStringLiteral("FormMenu"));
        QCOMPARE(b.principale()->scala(), 1.5);
        QCOMPARE(b.principale()->area()->size(), b.principale()->dimensioneBase() * 1.5);
    }

    // Every window opens in the middle of the screen.
    void finestreAlCentro()
    {
        Banco b;
        for (const char *bottone : {"Command6", "Command20", "Command13"}) {
            FinestraProgramma *f = b.apri(QString::fromLatin1(bottone));
            const QPoint scarto = f->frameGeometry().center() - f->screen()->availableGeometry().center();
            QVERIFY2(scarto.manhattanLength() < 60, bottone);
            b.piattaforma.risposte = {true};
            b.menu(QStringLiteral("mnuEsci"));
        }
    }

    void schermoInteroConF11()
    {
        Banco b;
        b.finoAlMenu();
        FinestraProgramma *menu = b.principale();
        QApplication::setActiveWindow(menu);
        QTest::keyClick(menu, Qt::Key_F11);
        QApplication::processEvents();
        QVERIFY(menu->isFullScreen());
        QVERIFY(menu->scala() > 1.0);
        b.clic(QStringLiteral("Command20"));
        FinestraProgramma *esercizio = b.principale();
        QVERIFY(esercizio->isFullScreen());
        QApplication::setActiveWindow(esercizio);
        QTest::keyClick(esercizio, Qt::Key_Escape);
        QApplication::processEvents();
        QVERIFY(!esercizio->isFullScreen());
        QTest::keyClick(esercizio, Qt::Key_Escape); // Esc outside the full screen: nothing
        QApplication::processEvents();
        QVERIFY(!esercizio->isFullScreen());
        QCOMPARE(esercizio->scala(), 1.0);
    }

    // Tap adds, half a second held takes off, a double tap adds two.
    void ilDitoSulleAste_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::newRow("Form99a") << "Command6";
        QTest::newRow("Form99c") << "Command20";
    }
    void ilDitoSulleAste()
    {
        QFETCH(QString, bottone);
        Banco b;
        b.piattaforma.passiManuali = true;
        b.apri(bottone);
        auto *u = b.trova<BottoneAsta>(QStringLiteral("Bot_u"));
        Dito dito;
        dito.tocca(u);
        QCOMPARE(conteggio(b, Posto::u), 1);
        QVERIFY(b.piattaforma.eseguiPasso()); // the half second of that tap: stale
        QCOMPARE(conteggio(b, Posto::u), 1);
        dito.tocca(u);
        dito.tocca(u);
        QCOMPARE(conteggio(b, Posto::u), 3);
        while (b.piattaforma.eseguiPasso()) {
        }
        dito.giu(u);
        QVERIFY(u->tocco() && u->isDown()); // the ring shows while it is held
        QCOMPARE(conteggio(b, Posto::u), 3);
        QCOMPARE(b.piattaforma.inAttesa.size(), 1);
        QCOMPARE(b.piattaforma.inAttesa.first().secondi, 0.5);
        QVERIFY(b.piattaforma.eseguiPasso());
        QCOMPARE(conteggio(b, Posto::u), 2);
        QVERIFY(!u->tocco());
        dito.su(u); // lifting the finger afterwards adds nothing
        QCOMPARE(conteggio(b, Posto::u), 2);
    }

    void nessunMenuContestuale()
    {
        struct Conta : QWidget {
            int menu = 0;
            void contextMenuEvent(QContextMenuEvent *) override { ++menu; }
        } w;
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(&w, &e);
        QCOMPARE(w.menu, 0);
    }

    // Form99d has "+" and "-" buttons reacting to a click: a tap clicks.
    void ilDitoSuiBottoniDellaSottrazione()
    {
        Banco b;
        b.apri(QStringLiteral("Command25"));
        auto *piu = b.trova<QPushButton>(QStringLiteral("Bot_u"));
        auto *meno = b.trova<QPushButton>(QStringLiteral("Command2"));
        Dito dito;
        dito.tocca(piu);
        QCOMPARE(conteggio(b, Posto::u), 1);
        dito.tocca(piu);
        dito.tocca(piu);
        QCOMPARE(conteggio(b, Posto::u), 3);
        dito.tocca(meno);
        QCOMPARE(conteggio(b, Posto::u), 2);
        // Held: still one click, never a removal.
        b.piattaforma.passiManuali = true;
        dito.giu(piu);
        while (b.piattaforma.eseguiPasso()) {
        }
        dito.su(piu);
        QCOMPARE(conteggio(b, Posto::u), 3);
    }
};

QTEST_MAIN(TestLavagna)
#include "test_lavagna.moc"
