// SPDX-License-Identifier: GPL-3.0-or-later
// Enter held 1.5 s on a real X server (Xvfb with openbox, see invio_x11.sh):
// the program's windows on xcb with the real platform, xdotool typing a
// wrong answer and holding Enter, the server's auto-repeat sending its
// release/press pairs. Every window counts one wrong answer. Windows and
// controls are found by name. With ORBETTO_CATTURE set to a folder, the
// screen after each hold is saved there as NAME.png.
#include "app/Catalogo.h"
#include "app/Navigatore.h"
#include "framework/Applicazione.h"
#include "framework/Contesto.h"
#include "framework/PiattaformaQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>

namespace {

double valore(int k, int n)
{
    return (k + 0.5) / n;
}

// The real services, with the operation of an arithmetic window forced
// and every question answered Yes.
class PiattaformaX11 : public PiattaformaQt
{
public:
    QList<double> valori;
    double casuale() override { return valori.isEmpty() ? PiattaformaQt::casuale() : valori.takeFirst(); }
    bool chiediSiNo(QWidget *, const QString &, const QString &) override { return true; }
};

// Counts the Enter presses that reached the box: the proof that the
// server's auto-repeat was there to be ignored.
class ContaInvio : public QObject
{
public:
    int pressioni = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            pressioni += k == Qt::Key_Return || k == Qt::Key_Enter;
        }
        return false;
    }
};

struct Pressione {
    const char *bottone;
    int volte;
};

bool esegui(const QString &comando, int millisecondi)
{
    QProcess p;
    QEventLoop ciclo;
    QObject::connect(&p, &QProcess::finished, &ciclo, &QEventLoop::quit);
    QObject::connect(&p, &QProcess::errorOccurred, &ciclo, &QEventLoop::quit);
    QTimer::singleShot(millisecondi, &ciclo, &QEventLoop::quit);
    p.start(QStringLiteral("sh"), {QStringLiteral("-c"), comando});
    ciclo.exec(); // the program's windows go on taking their events
    return p.state() == QProcess::NotRunning && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

Q_DECLARE_METATYPE(QList<double>)
Q_DECLARE_METATYPE(std::vector<Pressione>)

class InvioX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "needs a real X server (xcb)");
        preparaApplicazione(*qApp);
    }

    void invioTenutoUnaRisposta_data()
    {
        QTest::addColumn<QList<double>>("valori");
        QTest::addColumn<std::vector<Pressione>>("pressioni");
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("sbagliata");
        const QList<double> nessuno;
        for (const char *nome : {"Form6", "Form99b", "Form999b", "F9999b"})
            QTest::newRow(nome) << nessuno << std::vector<Pressione>{} << QString() << QStringLiteral("12345");
        for (const char *nome : {"Form5", "Form99b1", "Form999b1", "F9999c"})
            QTest::newRow(nome) << nessuno << std::vector<Pressione>{} << QString() << QStringLiteral("ZZZ");
        // One result box of each arithmetic family: 15 + 32, 47 - 32, 0 + 7, 10 - 3.
        const QList<double> guidata = {0.0, valore(4, 10), valore(7, 10), 0.3, 0.75};
        QTest::newRow("Form99c1") << guidata << std::vector<Pressione>{{"Bot_da", 1}, {"Bot_u", 5}, {"Bot_da", 3}, {"Bot_u", 2}}
                                  << QStringLiteral("Text1") << QStringLiteral("0");
        QTest::newRow("Form99d1") << guidata
                                  << std::vector<Pressione>{{"Bot_da", 4}, {"Bot_u", 7}, {"Command1", 3}, {"Command2", 2}}
                                  << QStringLiteral("Text1") << QStringLiteral("0");
        QTest::newRow("Form999c") << QList<double>{0.0, valore(6, 999), valore(0, 7)}
                                  << std::vector<Pressione>{{"Bot_u", 7}} << QStringLiteral("Text1") << QStringLiteral("0");
        QTest::newRow("Form999d") << QList<double>{0.0, valore(9, 999), valore(7, 10)}
                                  << std::vector<Pressione>{{"Bot_da", 1}, {"Command2", 1}, {"Bot_u", 8}, {"Command3", 1}}
                                  << QStringLiteral("Text1") << QStringLiteral("0");
    }
    void invioTenutoUnaRisposta()
    {
        QFETCH(QList<double>, valori);
        QFETCH(std::vector<Pressione>, pressioni);
        QFETCH(QString, casella);
        QFETCH(QString, sbagliata);
        const QString nome = QString::fromLatin1(QTest::currentDataTag());
        PiattaformaX11 piattaforma;
        Contesto ctx(piattaforma);
        Navigatore nav(ctx);
        nav.Avvio();
        QTest::mouseClick(nav.principale()->findChild<QAbstractButton *>(QStringLiteral("BottoneAvvio")), Qt::LeftButton);
        const VoceCatalogo *voce = voceCatalogo(nome);
        QVERIFY(voce && voce->bottone);
        auto *bottone = nav.principale()->findChild<QAbstractButton *>(QString::fromLatin1(voce->bottone));
        QVERIFY(bottone);
        piattaforma.valori = valori;
        QTest::mouseClick(bottone, Qt::LeftButton);
        FinestraProgramma *f = nav.principale();
        QCOMPARE(f->objectName(), nome);
        for (const Pressione &p : pressioni)
            for (int i = 0; i < p.volte; ++i) {
                auto *b = f->findChild<QAbstractButton *>(QString::fromLatin1(p.bottone));
                QVERIFY(b);
                QTest::mouseClick(b, Qt::LeftButton);
            }
        QLineEdit *box = nullptr;
        for (QLineEdit *e : f->findChildren<QLineEdit *>())
            if ((casella.isEmpty() || e->objectName() == casella) && e->isVisibleTo(f) && e->isEnabled())
                box = e;
        QVERIFY2(box, "no answer box open for typing");
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == f, 5000);
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        ContaInvio conta;
        box->installEventFilter(&conta);

        QVERIFY(esegui(QStringLiteral("xdotool type --delay 40 '%1' && xdotool keydown Return && sleep 1.5 && "
                                      "xdotool keyup Return").arg(sbagliata), 10000));
        QTest::qWait(400); // the release, judged from the event loop
        if (const QByteArray cartella = qgetenv("ORBETTO_CATTURE"); !cartella.isEmpty())
            esegui(QStringLiteral("import -window root '%1/%2.png'").arg(QString::fromLocal8Bit(cartella), nome), 10000);
        QVERIFY2(conta.pressioni > 5, "the X server sent no auto-repeat: the hold proves nothing");
        QCOMPARE(box->text(), sbagliata);
        qInfo("%s: %d pressioni di Invio ricevute, Errati %d", qPrintable(nome), conta.pressioni, int(ctx.punteggio.errati()));
        QCOMPARE(int(ctx.punteggio.errati()), 1);
        QCOMPARE(f->findChild<QLabel *>(QStringLiteral("EtichettaErrati"))->text().trimmed(), QStringLiteral("1"));
        for (FinestraProgramma *aperta : nav.aperte())
            aperta->chiudi();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(InvioX11)
#include "invio_x11.moc"
