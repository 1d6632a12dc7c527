// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard only, and what a screen reader hears.
#include "Banco.h"
#include "abacus/Disegni.h"
#include "abacus/VistaOrbetto.h"
#include "arithmetic/FinestraAritmetica.h"
#include "app/Catalogo.h"
#include "forming/FinestraFormare.h"
#include "framework/Applicazione.h"
#include "words/NumeriInLettere.h"

#include <QAccessible>
#include <QMenuBar>
#include <QPushButton>

namespace {

QWidget *fuoco()
{
    return QApplication::focusWidget();
}

// A key to whatever has the focus, as the keyboard sends it.
void tasto(int k, const QString &testo = {})
{
    QWidget *w = fuoco();
    QVERIFY(w);
    QTest::keyClick(w, Qt::Key(k), Qt::NoModifier);
    Q_UNUSED(testo);
}

// Tab until the control of that name has the focus; false after a whole
// round of the window without meeting it.
bool tabFino(const QString &nome)
{
    for (int i = 0; i < 60; ++i) {
        if (fuoco() && fuoco()->objectName() == nome)
            return true;
        QTest::keyClick(fuoco(), Qt::Key_Tab);
    }
    return false;
}

QString nomeAccessibile(QWidget *w)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<none>");
}

FinestraProgramma *apriAttiva(Banco &b, const char *bottone, QList<double> valori, bool attende)
{
    b.finoAlMenu();
    if (!attende)
        b.clic(QStringLiteral("Option1(0)"));
    b.piattaforma.valori = valori;
    b.clic(QString::fromLatin1(bottone));
    FinestraProgramma *f = b.principale();
    QApplication::setActiveWindow(f);
    return f;
}

} // namespace

class TestTastiera : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { preparaApplicazione(*qApp); }

    // Form99a from the first Tab to "avanti", without a mouse.
    void form99aSoloTastiera()
    {
        Banco b;
        apriAttiva(b, "Command6", {0.0, valore(23 - 1, 99)}, true);
        QVERIFY(tabFino(QStringLiteral("Bot_da")));
        tasto(Qt::Key_Plus);
        tasto(Qt::Key_Space);
        tasto(Qt::Key_Return);
        tasto(Qt::Key_Minus); // one too many, taken back
        QVERIFY(tabFino(QStringLiteral("Bot_u")));
        for (int i = 0; i < 4; ++i)
            tasto(Qt::Key_Plus);
        tasto(Qt::Key_Backspace);
        QCOMPARE(b.principale()->findChild<QWidget *>(QStringLiteral("Bot_u"))->accessibleName(),
                 QStringLiteral("unità: 3 palline"));
        QVERIFY(tabFino(QStringLiteral("BottoneConferma")));
        tasto(Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        QCOMPARE(b.ctx.punteggio.errati(), qint16(0));
        QVERIFY(tabFino(QStringLiteral("BottoneAvanti")));
        b.piattaforma.valori = {0.0, valore(6, 99)};
        tasto(Qt::Key_Space);
        QCOMPARE(b.numeroCorrente(), qint16(7));
    }

    // A whole Form99c operation with its exchange and the typed result.
    void form99cSoloTastiera()
    {
        Banco b;
        apriAttiva(b, "Command20", {0.0, valore(15 - 10, 89), valore(8 - 5, 15 - 10)}, false);
        QCOMPARE(b.operazione().primo, qint16(8));
        // The operation starts on the first rod button, never on Cambio.
        QCOMPARE(fuoco()->objectName(), QStringLiteral("Bot_da"));
        QVERIFY(tabFino(QStringLiteral("Bot_u")));
        for (int i = 0; i < 15; ++i)
            tasto(Qt::Key_Plus);
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("Esegui il cambio"));
        QVERIFY(tabFino(QStringLiteral("BottoneCambio")));
        tasto(Qt::Key_Return);
        auto *f = qobject_cast<FinestraAritmetica *>(b.principale());
        QCOMPARE(f->orbetto().conteggio(Posto::da), 1);
        QCOMPARE(nomeAccessibile(b.trova<QWidget>(QStringLiteral("Bot_da"))), QStringLiteral("decine: 1 pallina"));
        // The result box takes the focus by itself.
        QCOMPARE(fuoco()->objectName(), QStringLiteral("Text1"));
        QTest::keyClicks(fuoco(), QStringLiteral("15"));
        QTest::keyClick(fuoco(), Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
    }

    // When the window waits, a right result leaves the focus on "avanti"
    // (not on "Ricomincia"), and "avanti" brings it back to the rods.
    void esattoPortaAdAvanti()
    {
        Banco b;
        apriAttiva(b, "Command8", {0.0, 0.45, 0.75, 0.5, 0.5}, true);
        auto *f = qobject_cast<FinestraAritmetica *>(b.principale());
        QCOMPARE(fuoco()->objectName(), QStringLiteral("Bot_da"));
        const qint16 somma = b.operazione().somma;
        auto *testo = b.trova<QLineEdit>(QStringLiteral("Text1"));
        for (Posto p : {Posto::da, Posto::u})
            for (int i = 0; i < (p == Posto::da ? b.operazione().primo / 10 : b.operazione().primo % 10); ++i)
                QTest::keyClick(f->orbetto().bottone(p), Qt::Key_Plus);
        for (Posto p : {Posto::da, Posto::u})
            for (int i = 0; i < (p == Posto::da ? b.operazione().secondo / 10 : b.operazione().secondo % 10); ++i)
                QTest::keyClick(f->orbetto().bottone(p), Qt::Key_Plus);
        QVERIFY(testo->isVisible());
        QTest::keyClicks(testo, QString::number(somma));
        QTest::keyClick(testo, Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        QCOMPARE(fuoco()->objectName(), QStringLiteral("BottoneAvanti"));
        tasto(Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        QCOMPARE(fuoco()->objectName(), QStringLiteral("Bot_da"));
    }

    // Every exercise starts where the pupil's first move is: the first rod
    // (or "+") button, the answer box of a reading window; never "Cambio"
    // or "Ricomincia". At opening, after "Ricomincia" and after "avanti".
    void primoFuoco_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("primo");
        const QString rod[] = {QStringLiteral("Bot_k"), QStringLiteral("Bot_h"), QStringLiteral("Bot_da"),
                               QStringLiteral("Bot_u")};
        for (const VoceCatalogo &v : catalogo()) {
            if (!v.bottone)
                continue;
            const QByteArray nome(v.nome);
            const bool migliaia = nome.startsWith("F9999"), centinaia = nome.startsWith("Form999");
            const bool unita = nome == "Form4" || nome == "Form5" || nome == "Form6";
            QString primo = rod[migliaia ? 0 : centinaia ? 1 : unita ? 3 : 2];
            // The reading windows' answer boxes keep their own names.
            if (nome == "Form5" || nome == "Form6" || nome == "F9999c")
                primo = QStringLiteral("Text1");
            else if (nome == "F9999b" || nome.endsWith("b") || nome.endsWith("b1"))
                primo = QStringLiteral("TestoNumero");
            QTest::newRow(v.nome) << QString::fromLatin1(v.bottone) << primo;
        }
    }
    void primoFuoco()
    {
        QFETCH(QString, finestra);
        QFETCH(QString, primo);
        Banco b;
        FinestraProgramma *f = apriAttiva(b, qPrintable(finestra), {}, true);
        QCOMPARE(fuoco()->objectName(), primo);
        if (auto *r = b.trova<QAbstractButton>(QStringLiteral("Bot_ricomincia"))) {
            QTest::mouseClick(r, Qt::LeftButton);
            QCOMPARE(fuoco()->objectName(), primo);
        }
        // A right answer where it is one step: typed, or the beads of the number.
        if (auto *casella = qobject_cast<QLineEdit *>(fuoco())) {
            const bool lettere = casella->accessibleName().contains(QLatin1String("lettere"));
            const int n = b.numeroCorrente();
            QTest::keyClicks(casella, lettere ? NumeroInLettere(n) : QString::number(n));
            QTest::keyClick(casella, Qt::Key_Return);
        } else if (auto *formare = qobject_cast<FinestraFormare *>(f)) {
            const int n = formare->numeroDaFormare();
            const int cifre[] = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
            for (Posto p : formare->orbetto().modello().aste())
                for (int i = 0; i < cifre[int(p)]; ++i)
                    QTest::mouseClick(formare->orbetto().bottone(p), Qt::LeftButton);
            b.clic(QStringLiteral("BottoneConferma"));
        } else {
            return; // the operations: their start is the same step as at opening
        }
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        b.clic(QStringLiteral("BottoneAvanti"));
        QCOMPARE(fuoco()->objectName(), primo);
    }

    // The menu's Tab goes down each column, left column first.
    void menuPerColonne()
    {
        Banco b;
        b.finoAlMenu();
        QApplication::setActiveWindow(b.principale());
        QVERIFY(tabFino(QStringLiteral("Command14")));
        QStringList giro;
        for (int i = 0; i < 20; ++i) {
            giro << fuoco()->objectName();
            QTest::keyClick(fuoco(), Qt::Key_Tab);
        }
        QCOMPARE(giro.mid(0, 8), QStringList({"Command14", "Command15", "Command16", "Command6", "Command5",
                                               "Command35", "Command8", "Command20"}));
        QCOMPARE(giro.mid(15), QStringList({"Command13", "Command12", "Command11", "Option1(1)", "Command1"}));
        QCOMPARE(fuoco()->objectName(), QStringLiteral("Command14")); // a whole round (one stop for the options)
    }

    void form99b1RispostaDaTastiera()
    {
        Banco b;
        apriAttiva(b, "Command5", {0.0, valore(21, 99)}, true);
        QCOMPARE(fuoco()->objectName(), QStringLiteral("TestoNumero"));
        QTest::keyClicks(fuoco(), QStringLiteral("ventuno"));
        QTest::keyClick(fuoco(), Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        QCOMPARE(nomeAccessibile(b.trova<QWidget>(QStringLiteral("EtichettaEsatti"))), QStringLiteral("Esatti: 1"));
    }

    // F10 reaches the menu bar; the arrows move and Enter chooses.
    void f10ApreLaBarraDeiMenu()
    {
        Banco b;
        FinestraProgramma *f = apriAttiva(b, "Command6", {0.0, 0.5}, true);
        QTest::keyClick(fuoco(), Qt::Key_F10);
        auto *barra = f->menuBar();
        QCOMPARE(fuoco(), barra);
        QCOMPARE(barra->activeAction()->objectName(), QStringLiteral("MenuAzzera"));
        for (QAction *a : barra->actions())
            QVERIFY2(!a->text().contains(QLatin1Char('&')), qPrintable(a->text()));
        while (barra->activeAction()->objectName() != QLatin1String("MenuInformazioni"))
            QTest::keyClick(barra, Qt::Key_Right);
        QTest::keyClick(barra, Qt::Key_Return);
        QCOMPARE(b.piattaforma.box.size(), 1);
    }

    // What a reader says of rods, faces and counters, before and after.
    void nomiPerLoScreenReader()
    {
        Banco b;
        apriAttiva(b, "Command6", {0.0, valore(0, 99)}, true);
        QWidget *u = b.trova<QWidget>(QStringLiteral("Bot_u"));
        QCOMPARE(nomeAccessibile(u), QStringLiteral("unità: 0 palline"));
        QCOMPARE(nomeAccessibile(b.trova<QWidget>(QStringLiteral("FiloOrbetto(1)"))), QStringLiteral("unità: 0 palline"));
        QTest::mouseClick(u, Qt::LeftButton);
        QCOMPARE(nomeAccessibile(u), QStringLiteral("unità: 1 pallina"));
        QCOMPARE(nomeAccessibile(b.trova<QWidget>(QStringLiteral("FiloOrbetto(1)"))), QStringLiteral("unità: 1 pallina"));
        QCOMPARE(nomeAccessibile(b.trova<QWidget>(QStringLiteral("ComandoIconaSi"))), QStringLiteral("risposta esatta"));
        QCOMPARE(nomeAccessibile(b.trova<QWidget>(QStringLiteral("ComandoIconaNo"))), QStringLiteral("risposta sbagliata"));
        QCOMPARE(nomeAccessibile(b.trova<QWidget>(QStringLiteral("EtichettaErrati"))), QStringLiteral("Errati: 0"));
        b.clic(QStringLiteral("BottoneConferma"));
        QCOMPARE(nomeAccessibile(b.trova<QWidget>(QStringLiteral("EtichettaEsatti"))), QStringLiteral("Esatti: 1"));
        b.menu(QStringLiteral("MenuAzzera"));
        QCOMPARE(nomeAccessibile(b.trova<QWidget>(QStringLiteral("EtichettaEsatti"))), QStringLiteral("Esatti: 0"));
    }

    // The focus mark follows the focus, over the window's own controls only.
    void segnoDelFuoco()
    {
        Banco b;
        FinestraProgramma *f = apriAttiva(b, "Command6", {0.0, 0.5}, true);
        QWidget *anello = f->area()->findChild<QWidget *>(QStringLiteral("anelloFuoco"));
        for (const char *nome : {"BottoneConferma", "Bot_u"}) {
            QVERIFY(tabFino(QString::fromLatin1(nome)));
            QVERIFY(!anello->isHidden());
            QVERIFY(anello->geometry().contains(fuoco()->geometry()));
            QVERIFY(anello->geometry().width() <= fuoco()->width() + 12);
        }
        QTest::keyClick(fuoco(), Qt::Key_F10);
        QVERIFY(anello->isHidden());
    }
};

QTEST_MAIN(TestTastiera)
#include "test_tastiera.moc"
