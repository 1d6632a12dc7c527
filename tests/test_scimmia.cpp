// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil who presses everything: thousands of random actions from a fixed
// seed on every exercise window, the worksheets and the composer, with the
// program's promises checked after each one.
#include "Banco.h"
#include "abacus/Disegni.h"
#include "forming/FinestraFormare.h"
#include "reading/FinestraLeggere.h"
#include "abacus/VistaOrbetto.h"
#include "arithmetic/FinestraAritmetica.h"
#include "framework/Applicazione.h"
#include "framework/PiattaformaQt.h"
#include "framework/Testi.h"
#include "worksheets/FinestraScheda.h"
#include "worksheets/PiccoloOrbetto.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <random>

namespace {

const char *const bottoniMenu[] = {"Command14", "Command15", "Command16", "Command6",  "Command5",  "Command35",
                                   "Command8",  "Command20", "Command9",  "Command25", "Command2",  "Command3",
                                   "Command10", "Command4",  "Command7",  "Command13", "Command12", "Command11"};

const QStringList testi = {QStringLiteral("7"),         QStringLiteral("34"),     QStringLiteral("ventuno"),
                           QStringLiteral("VENTITRÉ"),  QStringLiteral("2.345"),  QStringLiteral("2,5"),
                           QStringLiteral("  "),        QStringLiteral("&H22"),   QStringLiteral("1e400"),
                           QStringLiteral("àèìòù"),     QStringLiteral("ZERO"),   QStringLiteral("0"),
                           QString(300, QLatin1Char('9')), QStringLiteral("MILLE"), QStringLiteral("-1")};

class Scimmia
{
public:
    Scimmia(Banco &banco, unsigned seme) : b(banco), caso(seme), altra(banco.ctx) {}

    int tira(int n) { return std::uniform_int_distribution<int>(0, n - 1)(caso); }

    template<typename T>
    QList<T *> visibili(QWidget *w)
    {
        QList<T *> elenco;
        for (T *x : w->findChildren<T *>())
            if (x->isVisibleTo(w) && x->isEnabled())
                elenco << x;
        return elenco;
    }

    // Typed key by key, accented letters included (QTest::keyClicks knows
    // only ASCII).
    static void scrivi(QWidget *w, const QString &testo)
    {
        for (QChar c : testo) {
            const int tasto = c.unicode() < 128 ? c.toUpper().unicode() : int(Qt::Key_unknown);
            QKeyEvent giu(QEvent::KeyPress, tasto, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &giu);
            QKeyEvent su(QEvent::KeyRelease, tasto, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &su);
        }
    }

    void premiInvio(QWidget *w, QEvent::Type tipo, bool ripetuto)
    {
        QKeyEvent e(tipo, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), ripetuto);
        QApplication::sendEvent(w, &e);
    }

    // Now and then the pupil does it right: a number of the exercise put on
    // the rods with the "+" buttons, or the right answer typed.
    void faBene(FinestraProgramma *w)
    {
        const Operazione o = b.operazione();
        const int numeri[] = {o.primo, o.secondo, o.somma, b.numeroCorrente()};
        const int n = numeri[tira(4)];
        if (tira(4) == 0) {
            // Taking the second number away with the "-" buttons.
            const int m = o.secondo;
            const std::pair<const char *, int> meno[] = {{"- h", m / 100 % 10}, {"- da", m / 10 % 10}, {"- u", m % 10}};
            for (const auto &[testo, volte] : meno)
                for (QAbstractButton *bottone : w->findChildren<QAbstractButton *>())
                    if (bottone->text() == QLatin1String(testo))
                        for (int i = 0; i < volte; ++i)
                            QTest::mouseClick(bottone, Qt::LeftButton);
            return;
        }
        if (tira(3)) {
            const std::pair<const char *, int> aste[] = {
                {"Bot_k", n / 1000 % 10}, {"Bot_h", n / 100 % 10}, {"Bot_da", n / 10 % 10}, {"Bot_u", n % 10}};
            for (const auto &[nome, volte] : aste)
                if (auto *bottone = w->findChild<QAbstractButton *>(QString::fromLatin1(nome)))
                    for (int i = 0; i < volte && bottone->isEnabled(); ++i)
                        QTest::mouseClick(bottone, Qt::LeftButton);
            return;
        }
        for (QLineEdit *casella : visibili<QLineEdit>(w)) {
            casella->setText(QString::number(n));
            QTest::keyClick(casella, Qt::Key_Return);
        }
    }

    // One thing a pupil might do in window w.
    void azione(FinestraProgramma *w)
    {
        switch (tira(11)) {
        case 10:
            faBene(w);
            break;
        case 0:
        case 1: {
            const auto aste = visibili<BottoneAsta>(w);
            if (aste.isEmpty())
                break;
            BottoneAsta *a = aste[tira(int(aste.size()))];
            const Qt::MouseButton tasti[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
            const Qt::MouseButton t = tasti[tira(4)];
            if (tira(6) == 0)
                QTest::mouseDClick(a, t);
            else
                QTest::mouseClick(a, t);
            break;
        }
        case 2:
        case 3: {
            const auto bottoni = visibili<QAbstractButton>(w);
            if (!bottoni.isEmpty())
                QTest::mouseClick(bottoni[tira(int(bottoni.size()))], Qt::LeftButton);
            break;
        }
        case 4: {
            const auto caselle = visibili<QLineEdit>(w);
            if (caselle.isEmpty())
                break;
            QLineEdit *c = caselle[tira(int(caselle.size()))];
            if (tira(3) == 0)
                c->clear();
            if (tira(5) == 0)
                c->insert(testi[tira(int(testi.size()))]); // pasted
            else
                scrivi(c, testi[tira(int(testi.size()))]);
            break;
        }
        case 5: {
            const auto caselle = visibili<QLineEdit>(w);
            if (caselle.isEmpty())
                break;
            QLineEdit *c = caselle[tira(int(caselle.size()))];
            const int ripetizioni = tira(4);
            premiInvio(c, QEvent::KeyPress, false);
            for (int i = 0; i < ripetizioni; ++i) {
                premiInvio(c, QEvent::KeyRelease, true);
                premiInvio(c, QEvent::KeyPress, true);
            }
            if (tira(8) != 0)
                premiInvio(c, QEvent::KeyRelease, false);
            break;
        }
        case 6: {
            QList<QAction *> voci;
            for (QAction *a : w->findChildren<QAction *>())
                if (!a->objectName().isEmpty() && a->isEnabled())
                    voci << a;
            if (voci.isEmpty())
                break;
            // Mostly "No" to the questions; now and then "Yes".
            b.piattaforma.risposte = {tira(6) == 0};
            voci[tira(int(voci.size()))]->trigger();
            break;
        }
        case 7: {
            const auto caselle = visibili<QPlainTextEdit>(w);
            if (!caselle.isEmpty())
                scrivi(caselle[tira(int(caselle.size()))], QStringLiteral("12 TRENTA"));
            break;
        }
        case 8: {
            QEvent e(QEvent::WindowActivate);
            QApplication::sendEvent(&altra, &e);
            QApplication::sendEvent(w, &e);
            break;
        }
        default:
            b.piattaforma.risposte = {false};
            w->close(); // the title bar's button, answered No
            break;
        }
    }

    void verifica()
    {
        int principali = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *f = qobject_cast<FinestraProgramma *>(w))
                principali += f->isVisible() && f->ruolo() == FinestraProgramma::Ruolo::Principale;
        QCOMPARE(principali, 1);
        QVERIFY(b.ctx.punteggio.esatti() >= 0 && b.ctx.punteggio.errati() >= 0);
        FinestraProgramma *w = b.principale();
        QVERIFY(w);
        if (auto *l = w->findChild<QLabel *>(QStringLiteral("EtichettaEsatti"))) {
            QCOMPARE(l->text(), b.ctx.punteggio.esatti() == 0 ? QStringLiteral("0") : TestoConteggio(b.ctx.punteggio.esatti()));
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("EtichettaErrati"))->text(),
                     b.ctx.punteggio.errati() == 0 ? QStringLiteral("0") : TestoConteggio(b.ctx.punteggio.errati()));
        }
        const VistaOrbetto *vista = nullptr;
        bool animazione = false;
        QWidget *conferma = nullptr;
        if (auto *formare = qobject_cast<FinestraFormare *>(w)) {
            vista = &formare->orbetto();
            conferma = w->findChild<QWidget *>(QStringLiteral("BottoneConferma"));
        } else if (auto *leggere = qobject_cast<FinestraLeggere *>(w)) {
            vista = &leggere->orbetto();
            conferma = leggere->risposta();
        } else if (auto *f = qobject_cast<FinestraAritmetica *>(w)) {
            vista = &f->orbetto();
            animazione = f->animazioneInCorso();
        }
        if (conferma) {
            auto *avanti = w->findChild<QWidget *>(QStringLiteral("BottoneAvanti"));
            QVERIFY2(!(avanti->isEnabled() && !confermaChiusa(conferma)), "avanti and the confirming control both open");
        }
        if (!vista)
            return;
        int valore = 0;
        for (Posto p : vista->modello().aste()) {
            const int n = vista->conteggio(p), posti = vista->modello().posti(p);
            QVERIFY(n >= 0 && n <= posti);
            valore += n * pesoDi(p);
            for (int i = 0; i < posti; ++i) {
                QCOMPARE(!vista->pallina(p, i)->isHidden(), vista->modello().visibile(p, i));
                if (!animazione)
                    QCOMPARE(vista->modello().visibile(p, i), i < n);
            }
        }
        QCOMPARE(vista->ValoreOrbetto(), valore);
    }

    Banco &b;
    std::mt19937 caso;
    AltraFinestra altra;
};

} // namespace

class TestScimmia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { preparaApplicazione(*qApp); }

    void ogniFinestraEsercizio_data()
    {
        QTest::addColumn<QString>("bottone");
        for (const char *b : bottoniMenu)
            QTest::newRow(b) << QString::fromLatin1(b);
    }
    void ogniFinestraEsercizio()
    {
        QFETCH(QString, bottone);
        Banco b;
        Scimmia s(b, unsigned(qHash(bottone)));
        b.finoAlMenu();
        if (s.tira(2))
            b.clic(QStringLiteral("Option1(0)"));
        b.clic(bottone);
        // During an exchange the pupil keeps pressing.
        bool dentro = false;
        b.piattaforma.durantePausa = [&] {
            if (dentro || s.tira(3))
                return;
            dentro = true;
            s.azione(b.principale());
            dentro = false;
        };
        int giudizi = 0;
        for (int i = 0; i < 1500; ++i) {
            FinestraProgramma *w = b.principale();
            if (w->objectName() == QLatin1String("FormMenu"))
                b.clic(bottone); // "Esci" answered Yes: back in
            else if (b.nav().terminato())
                QFAIL("the program ended");
            s.azione(b.principale());
            s.verifica();
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("after action %1").arg(i)));
            giudizi += b.ctx.punteggio.esatti() + b.ctx.punteggio.errati() > 0;
        }
        qInfo("%s: 1500 actions, %d with answers counted, %d pauses of animation, %d boxes",
              qPrintable(bottone), giudizi, int(b.piattaforma.pause.size()), int(b.piattaforma.box.size()));
        // A monkey that never got an answer judged would prove little.
        QVERIFY(giudizi > 0);
    }

    void schedeEComposizione_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("scheda");
        QTest::newRow("formSt99a") << "Command6" << "mnuStampa" << "formSt99a";
        QTest::newRow("formSt999a") << "Command2" << "mnuStampa" << "formSt999a";
        QTest::newRow("formSt9999a") << "Command13" << "mnuStampa" << "formSt9999a";
        QTest::newRow("formSt99b") << "Command5" << "mnuStampa" << "formSt99b";
        QTest::newRow("formSt999b") << "Command10" << "mnuStampa" << "formSt999b";
        QTest::newRow("formSt9999b") << "Command12" << "mnuStampa" << "formSt9999b";
        QTest::newRow("formStampa") << "Command20" << "mnustampa" << "formStampa";
    }
    void schedeEComposizione()
    {
        QFETCH(QString, bottone);
        QFETCH(QString, voce);
        QFETCH(QString, scheda);
        Banco b;
        Scimmia s(b, unsigned(qHash(scheda)));
        b.apri(bottone);
        const QString esercizio = b.principale()->objectName();
        for (int i = 0; i < 400; ++i) {
            FinestraProgramma *f = b.nav().affiancata(scheda);
            // Enter on a focused menu button may have opened another exercise.
            if (b.principale()->objectName() != esercizio && b.principale()->objectName() != QLatin1String("FormMenu"))
                b.nav().ApriEsercizio(esercizio);
            if (!f || !f->isVisible()) {
                if (b.principale()->objectName() == QLatin1String("FormMenu"))
                    b.clic(bottone);
                b.menu(voce);
                f = b.nav().affiancata(scheda);
            }
            s.azione(s.tira(4) ? f : b.principale());
            s.verifica();
            if (auto *sc = qobject_cast<FinestraScheda *>(b.nav().affiancata(scheda)))
                for (int k = 0; k < 8; ++k)
                    for (Posto p : {Posto::k, Posto::h, Posto::da, Posto::u})
                        QVERIFY(sc->orbetto(k)->palline(p) <= 9);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("after action %1").arg(i)));
        }
        QCOMPARE(b.piattaforma.terminazioni, 0);
    }

    void senzaSuoniNeStampante()
    {
        // Without the module itself the program is silent too.
        PiattaformaQt senzaModulo({}, QStringLiteral("/non/esiste/liborbetto_suoni.so"));
        senzaModulo.precaricaSuoni();
        senzaModulo.suonaWav(QStringLiteral("/non/esiste/suoni/si1.wav"));
        QVERIFY(!senzaModulo.suoniAttivi());

        // The real platform, with no "suoni" folder, then unreadable WAV
        // files, and no printer: answers are still judged, silently.
        QTemporaryDir vuota, rotta;
        QVERIFY(QDir(rotta.path()).mkdir(QStringLiteral("suoni")));
        for (const char *nome : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav", "si.wav"}) {
            QFile f(rotta.path() + QStringLiteral("/suoni/") + QLatin1String(nome));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("RIFF? questo non e' un suono");
        }
        for (const QString &cartella : {vuota.path(), rotta.path()}) {
            PiattaformaQt piattaforma(cartella, QStringLiteral(ORBETTO_MODULO_SUONI));
            piattaforma.precaricaSuoni();
            QVERIFY(piattaforma.suoniAttivi());
            Contesto ctx(piattaforma);
            Navigatore navigatore(ctx);
            navigatore.Avvio();
            navigatore.principale()->findChild<QPushButton *>(QStringLiteral("BottoneAvvio"))->click();
            navigatore.ApriEsercizio(QStringLiteral("Form4"));
            auto *conferma = navigatore.principale()->findChild<QPushButton *>(QStringLiteral("BottoneConferma"));
            auto *avanti = navigatore.principale()->findChild<QPushButton *>(QStringLiteral("BottoneAvanti"));
            for (int i = 0; i < 20; ++i) {
                conferma->click();
                if (avanti->isEnabled())
                    avanti->click();
            }
            QCOMPARE(ctx.punteggio.esatti() + ctx.punteggio.errati(), 20);
            piattaforma.suonaWav(cartella + QStringLiteral("/suoni/si.wav"));
            navigatore.ApriEsercizio(QStringLiteral("Form99a"));
            navigatore.principale()->findChild<QAction *>(QStringLiteral("mnuStampa"))->trigger();
            FinestraProgramma *scheda = navigatore.affiancata(QStringLiteral("formSt99a"));
            QVERIFY(scheda);
            // No printer: "Stampa" says so and offers a PDF; the teacher says No.
            QString offerta;
            QTimer::singleShot(0, [&offerta] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    offerta = box->text();
                    box->button(QMessageBox::No)->click();
                }
            });
            scheda->findChild<QAction *>(QStringLiteral("mnustampa"))->trigger();
            QVERIFY2(offerta.contains(QStringLiteral("nessuna stampante")), qPrintable(offerta));
            piattaforma.stampaRighe({.righe = {QStringLiteral("riga")}, .carattere = QStringLiteral("MS Sans Serif"), .punti = 12});
            for (FinestraProgramma *f : navigatore.aperte())
                f->chiudi();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

QTEST_MAIN(TestScimmia)
#include "test_scimmia.moc"
