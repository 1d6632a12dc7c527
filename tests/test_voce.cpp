// SPDX-License-Identifier: GPL-3.0-or-later
// Speech: what each exercise says, dictation, and the speech thread that
// never holds a press.
#include "Banco.h"

#include "app/Catalogo.h"
#include "words/NumeriInLettere.h"

#include "forming/FinestraFormare.h"
#include "framework/CodaVoce.h"
#include "framework/PiattaformaQt.h"
#include "framework/voce/ModuloVoce.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace {

// Lets the queued utterance of this turn go out.
QStringList detti(Banco &b)
{
    QCoreApplication::processEvents();
    return std::exchange(b.piattaforma.detti, {});
}

// A synthesiser that records, and can hold the thread in apri() or in its
// first di() until it is let go.
struct LettoreFinto : LettoreVoce {
    std::mutex m;
    std::condition_variable cv;
    bool trattieniApri = false, trattieniDi = false, dentroDi = false;
    int rotte = 0;    // texts that find the connection broken
    int aperture = 0; // connections opened
    QStringList detti;

    bool apri() override
    {
        std::unique_lock l(m);
        cv.wait(l, [this] { return !trattieniApri; });
        ++aperture;
        cv.notify_all();
        return true;
    }
    bool di(const QString &testo) override
    {
        std::unique_lock l(m);
        if (rotte > 0) { // the daemon has gone
            --rotte;
            return false;
        }
        detti.append(testo);
        dentroDi = true;
        cv.notify_all();
        cv.wait(l, [this] { return !trattieniDi; });
        return true;
    }
    void lascia()
    {
        std::lock_guard l(m);
        trattieniApri = trattieniDi = false;
        cv.notify_all();
    }
    template<class F>
    bool aspetta(F condizione)
    {
        std::unique_lock l(m);
        return cv.wait_for(l, std::chrono::seconds(5), condizione);
    }
};

} // namespace

class TestVoce : public QObject
{
    Q_OBJECT
private slots:
    void formareDiceIlNumeroEIlGiudizio()
    {
        Banco b;
        b.finoAlMenu();
        b.clic(QStringLiteral("Option1(0)"));
        b.piattaforma.valori = {0.0, valore(33, 99)};
        b.clic(QStringLiteral("Command6"));
        auto *f = qobject_cast<FinestraFormare *>(b.principale());
        QCOMPARE(detti(b), QStringList()); // "Voce" is off at start
        b.menu(QStringLiteral("mnuVoce"));
        QCOMPARE(b.piattaforma.vociPreparate, 1);
        QCOMPARE(detti(b), QStringList{QStringLiteral("trentaquattro")});
        QVERIFY(mostrata(b, QStringLiteral("BottoneRipeti")));
        // Right: the verdict, then the next number, as one utterance.
        for (int i = 0; i < 3; ++i)
            b.clic(QStringLiteral("Bot_da"));
        for (int i = 0; i < 4; ++i)
            b.clic(QStringLiteral("Bot_u"));
        b.piattaforma.valori = {0.0, 0.0, valore(2344, 9999)}; // sound, colour, number
        b.ctx.NumeroMassimo = 9999;
        b.clic(QStringLiteral("BottoneConferma"));
        QCOMPARE(detti(b), QStringList{QStringLiteral("giusto. duemila trecento quarantacinque")});
        b.clic(QStringLiteral("BottoneConferma"));
        QCOMPARE(detti(b), QStringList{QStringLiteral("riprova")});
        b.menu(QStringLiteral("mnuRipeti"));
        QCOMPARE(detti(b), QStringList{QStringLiteral("duemila trecento quarantacinque")});
        // Off: silence at once, and nothing more is said.
        b.menu(QStringLiteral("mnuVoce"));
        QCOMPARE(detti(b), QStringList{QString()});
        b.clic(QStringLiteral("BottoneConferma"));
        QCOMPARE(detti(b), QStringList());
        QVERIFY(!mostrata(b, QStringLiteral("BottoneRipeti")));
        QCOMPARE(f->numeroDaFormare(), 2345);
    }

    // The speaker takes no room from the menu bar's items.
    void voceNonStringeLaBarra()
    {
        Banco b;
        b.apri(QStringLiteral("Command6"));
        auto *barra = b.principale()->findChild<QMenuBar *>();
        const auto larghezze = [barra] {
            QList<int> l;
            for (QAction *a : barra->actions())
                l.append(barra->actionGeometry(a).width());
            return l;
        };
        const QList<int> prima = larghezze();
        b.menu(QStringLiteral("mnuVoce"));
        QApplication::processEvents();
        QVERIFY(mostrata(b, QStringLiteral("BottoneRipeti")));
        QCOMPARE(larghezze(), prima);
        b.clic(QStringLiteral("BottoneRipeti"));
        QCOMPARE(detti(b).size(), 2); // on turning on, and again
    }

    void dettatoSenzaEtichetta()
    {
        Banco b;
        b.finoAlMenu();
        b.piattaforma.valori = {0.0, valore(22, 99)};
        b.clic(QStringLiteral("Command6"));
        b.piattaforma.valori = {0.0, valore(56, 99)};
        b.menu(QStringLiteral("mnuDettato"));
        // Said with "Voce" off: the number is heard, not read.
        QCOMPARE(detti(b), QStringList{QStringLiteral("cinquantasette")});
        QVERIFY(!mostrata(b, QStringLiteral("EtichettaNumero")));
        QVERIFY(mostrata(b, QStringLiteral("SegnoDettato")));
        b.clic(QStringLiteral("SegnoDettato"));
        QCOMPARE(detti(b), QStringList{QStringLiteral("cinquantasette")});
        // The judging stays the window's own.
        b.clic(QStringLiteral("BottoneConferma"));
        QCOMPARE(b.ctx.punteggio.errati(), 1);
        // The voice lost while the pupil listens: "ascolta" shows the number.
        b.piattaforma.senzaVoce = true;
        b.clic(QStringLiteral("SegnoDettato"));
        QVERIFY(mostrata(b, QStringLiteral("EtichettaNumero")));
        QVERIFY(!mostrata(b, QStringLiteral("SegnoDettato")));
        // With no voice to be had, the dictation shows its number.
        b.clic(QStringLiteral("BottoneAvanti"));
        b.piattaforma.valori = {0.0, valore(9, 99)};
        b.menu(QStringLiteral("mnuDettato"));
        b.menu(QStringLiteral("mnuDettato"));
        QVERIFY(mostrata(b, QStringLiteral("EtichettaNumero")));
        QVERIFY(!mostrata(b, QStringLiteral("SegnoDettato")));
    }

    void addizioneGuidataConIlCambio()
    {
        Banco b;
        b.finoAlMenu();
        b.menu(QStringLiteral("mnuVoce"));
        b.clic(QStringLiteral("Option1(0)"));
        b.piattaforma.valori = {0.0, valore(61 - 10, 89), valore(34 - 5, 61 - 10)};
        b.clic(QStringLiteral("Command20"));
        const QStringList inizio = detti(b);
        QCOMPARE(inizio.size(), 1);
        QVERIFY2(inizio[0].startsWith(QStringLiteral("quanto fa trentaquattro più ventisette? ")), qPrintable(inizio[0]));
        QVERIFY2(inizio[0].contains(QStringLiteral("inserisci il numero trentaquattro")), qPrintable(inizio[0]));
        // The pupil puts 34, then 27: ten or more units ask for the exchange.
        for (const auto &[asta, volte] : {std::pair{"Bot_da", 3}, {"Bot_u", 4}, {"Bot_da", 2}, {"Bot_u", 7}})
            for (int i = 0; i < volte; ++i)
                QTest::mouseClick(b.trova<QAbstractButton>(QString::fromLatin1(asta)), Qt::LeftButton);
        const QStringList passi = detti(b);
        QVERIFY2(passi.join(QLatin1Char('|')).contains(QStringLiteral("esegui il cambio")), qPrintable(passi.join('|')));
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(detti(b).value(0).left(38), QStringLiteral("dieci unità diventano una decina. scri"));
        b.menu(QStringLiteral("mnuRipeti"));
        QCOMPARE(detti(b), QStringList{QStringLiteral("quanto fa trentaquattro più ventisette? scrivi il risultato")});
    }

    void letturaDiceLaRisposta()
    {
        Banco b;
        b.finoAlMenu();
        b.menu(QStringLiteral("mnuVoce"));
        b.clic(QStringLiteral("Option1(1)"));
        b.piattaforma.valori = {0.0, valore(34, 99)};
        b.clic(QStringLiteral("Command35"));
        const QString compito = QStringLiteral("quante palline? scrivi il numero in cifre");
        QCOMPARE(detti(b), QStringList{compito});
        auto *casella = b.trova<QLineEdit>(QStringLiteral("TestoNumero"));
        casella->setText(QStringLiteral("43"));
        QTest::keyClick(casella, Qt::Key_Return);
        QCOMPARE(detti(b), QStringList{QStringLiteral("hai scritto quarantatré. riprova")});
        b.menu(QStringLiteral("mnuRipeti"));
        QCOMPARE(detti(b), QStringList{compito});
        casella->setText(QStringLiteral("34"));
        QTest::keyClick(casella, Qt::Key_Return);
        QCOMPARE(detti(b), QStringList{QStringLiteral("hai scritto trentaquattro. giusto")});
    }

    // Whatever a window says is a whole sentence: none ends on a sign or
    // an "uguale", no rod button is spelt out. Every exercise window is
    // played with Voce on: its buttons pressed in a fixed shuffle (beads,
    // exchanges, Ricomincia, avanti), answers typed, Ripeti asked.
    void nessunaFraseSospesa()
    {
        static const QRegularExpression sospesa(QStringLiteral("(?:uguale|più|meno)[.?!]?$"));
        static const QRegularExpression sillabato(QStringLiteral("\\b(?:più|meno) (?:k|h|da|u)\\b|[+=-]"));
        QSet<QString> frasi;
        int finestre = 0;
        for (const VoceCatalogo &v : catalogo()) {
            if (!v.bottone)
                continue;
            Banco b;
            b.finoAlMenu();
            b.menu(QStringLiteral("mnuVoce"));
            b.clic(QString::fromLatin1(v.bottone));
            QWidget *area = b.principale();
            QList<QAbstractButton *> bottoni;
            for (QAbstractButton *w : area->findChildren<QAbstractButton *>())
                if (w->objectName() != QLatin1String("BottoneRipeti"))
                    bottoni.append(w);
            for (int giro = 0; giro < 120 && !bottoni.isEmpty(); ++giro) {
                // First the beads alone, up to an exchange; then everything.
                QAbstractButton *w = bottoni[(giro * 7) % bottoni.size()];
                QList<QAbstractButton *> aste;
                for (QAbstractButton *a : bottoni)
                    if (a->objectName().startsWith(QLatin1String("Bot_")) && a->objectName() != QLatin1String("Bot_ricomincia"))
                        aste.append(a);
                if (giro < 40 && !aste.isEmpty())
                    w = aste[giro % aste.size()];
                if (w->isEnabled() && w->isVisibleTo(area))
                    QTest::mouseClick(w, giro % 5 == 4 ? Qt::RightButton : Qt::LeftButton);
                for (QLineEdit *e : area->findChildren<QLineEdit *>())
                    if (giro % 9 == 0 && e->isEnabled() && e->isVisibleTo(area)) {
                        const int n = b.numeroCorrente();
                        const bool lettere = e->accessibleName().contains(QLatin1String("lettere"));
                        const QString giusta = lettere ? NumeroInLettere(n) : QString::number(n);
                        e->setText(giro % 2 ? giusta : lettere ? QStringLiteral("TRE") : QStringLiteral("12"));
                        QTest::keyClick(e, Qt::Key_Return);
                    }
                if (giro % 11 == 0)
                    b.menu(QStringLiteral("mnuRipeti"));
                for (const QString &detto : detti(b))
                    frasi.insert(detto);
            }
            ++finestre;
        }
        QCOMPARE(finestre, 18);
        QVERIFY2(frasi.size() > 40, qPrintable(QString::number(frasi.size())));
        for (const char *attesa : {"quante palline? scrivi il numero in lettere", "quante palline? scrivi il numero in cifre",
                                   "una decina diventa dieci unità", "meno delle decine", "giusto", "riprova"})
            QVERIFY2(std::any_of(frasi.begin(), frasi.end(), [&](const QString &f) { return f.contains(QString::fromUtf8(attesa)); }),
                     attesa);
        for (const QString &f : std::as_const(frasi))
            for (const QString &parte : f.split(QRegularExpression(QStringLiteral("(?<=[.?!]) ")))) {
                QVERIFY2(!sospesa.match(parte).hasMatch(), qPrintable(f));
                QVERIFY2(!sillabato.match(parte.section(QLatin1Char(' '), -1)).hasMatch(), qPrintable(f));
            }
    }

    // The newest text cuts what waits; a press never waits for the
    // synthesiser, not even while it is being opened.
    void codaSenzaAttese()
    {
        auto lettore = std::make_shared<LettoreFinto>();
        lettore->trattieniApri = true;
        {
            CodaVoce coda([lettore] { return lettore; });
            coda.di(QStringLiteral("uno")); // returns with apri() held
            QCOMPARE(coda.stato(), CodaVoce::Stato::Avvio);
            coda.di(QStringLiteral("due"));
            {
                std::lock_guard l(lettore->m);
                lettore->trattieniDi = true;
            }
            {
                std::lock_guard l(lettore->m);
                lettore->trattieniApri = false;
                lettore->cv.notify_all();
            }
            QVERIFY(lettore->aspetta([&] { return lettore->dentroDi; }));
            // Held in "due": three more presses, only the last is said.
            coda.di(QStringLiteral("tre"));
            coda.di(QStringLiteral("quattro"));
            coda.di(QStringLiteral("cinque"));
            lettore->lascia();
            QVERIFY(lettore->aspetta([&] { return lettore->detti.size() == 2; }));
            QCOMPARE(coda.stato(), CodaVoce::Stato::Pronta);
        }
        QCOMPARE(lettore->detti, (QStringList{QStringLiteral("due"), QStringLiteral("cinque")}));
    }

    // A broken connection (the daemon killed) is opened again for the next
    // text, which is said: the voice comes back.
    void vocePersaRitorna()
    {
        auto lettore = std::make_shared<LettoreFinto>();
        CodaVoce coda([lettore] { return lettore; });
        coda.di(QStringLiteral("uno"));
        QVERIFY(lettore->aspetta([&] { return lettore->detti.size() == 1; }));
        {
            std::lock_guard l(lettore->m);
            lettore->rotte = 1;
        }
        coda.di(QStringLiteral("due"));
        QVERIFY(lettore->aspetta([&] { return lettore->detti.size() == 2; }));
        QCOMPARE(lettore->detti.last(), QStringLiteral("due"));
        QCOMPARE(lettore->aperture, 2);
        // No daemon to be had: no voice now, and the next text tries again.
        {
            std::lock_guard l(lettore->m);
            lettore->rotte = 2;
        }
        coda.di(QStringLiteral("tre"));
        QVERIFY(lettore->aspetta([&] { return lettore->aperture == 3; }));
        for (int i = 0; i < 500 && coda.stato() != CodaVoce::Stato::Assente; ++i)
            QThread::msleep(2);
        QCOMPARE(coda.stato(), CodaVoce::Stato::Assente);
        coda.di(QStringLiteral("quattro"));
        QVERIFY(lettore->aspetta([&] { return lettore->detti.size() == 3; }));
        QCOMPARE(lettore->detti.last(), QStringLiteral("quattro"));
        for (int i = 0; i < 500 && coda.stato() != CodaVoce::Stato::Pronta; ++i)
            QThread::msleep(2);
        QCOMPARE(coda.stato(), CodaVoce::Stato::Pronta);
    }

    // The real platform without its speech module: the program goes on
    // silently, and asking for speech starts nothing twice.
    void senzaModuloSilenzio()
    {
        PiattaformaQt piattaforma({}, {}, QStringLiteral("/nessuna/cartella/liborbetto_voce.so"));
        QCOMPARE(piattaforma.statoVoce(), CodaVoce::Stato::Spenta);
        piattaforma.di(QString()); // silence asked of nothing: nothing starts
        QCOMPARE(piattaforma.statoVoce(), CodaVoce::Stato::Spenta);
        piattaforma.di(QStringLiteral("ventitré"));
        for (int i = 0; i < 500 && piattaforma.statoVoce() != CodaVoce::Stato::Assente; ++i)
            QThread::msleep(10);
        QCOMPARE(piattaforma.statoVoce(), CodaVoce::Stato::Assente);
        QVERIFY(piattaforma.voceMancante());
    }
};

QTEST_MAIN(TestVoce)
#include "test_voce.moc"
