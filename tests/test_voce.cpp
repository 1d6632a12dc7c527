// SPDX-License-Identifier: GPL-3.0-or-later
// Speech: what each exercise says, dictation, and the speech thread that
// never holds a press.
#include "Banco.h"

#include "forming/FinestraFormare.h"
#include "framework/CodaVoce.h"
#include "framework/PiattaformaQt.h"
#include "framework/voce/ModuloVoce.h"

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
    QStringList detti;

    bool apri() override
    {
        std::unique_lock l(m);
        cv.wait(l, [this] { return !trattieniApri; });
        return true;
    }
    void di(const QString &testo) override
    {
        std::unique_lock l(m);
        detti.append(testo);
        dentroDi = true;
        cv.notify_all();
        cv.wait(l, [this] { return !trattieniDi; });
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
        QCOMPARE(b.ctx.ContaErrati, 1);
        // With no voice to be had, the dictation shows its number.
        b.piattaforma.senzaVoce = true;
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
        QVERIFY2(inizio[0].startsWith(QStringLiteral("trentaquattro più ventisette")), qPrintable(inizio[0]));
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
        QCOMPARE(detti(b), QStringList{QStringLiteral("trentaquattro più ventisette uguale. scrivi il risultato")});
    }

    void letturaDiceLaRisposta()
    {
        Banco b;
        b.finoAlMenu();
        b.menu(QStringLiteral("mnuVoce"));
        b.clic(QStringLiteral("Option1(1)"));
        b.piattaforma.valori = {0.0, valore(34, 99)};
        b.clic(QStringLiteral("Command35"));
        QCOMPARE(detti(b), QStringList());
        auto *casella = b.trova<QLineEdit>(QStringLiteral("TestoNumero"));
        casella->setText(QStringLiteral("43"));
        QTest::keyClick(casella, Qt::Key_Return);
        QCOMPARE(detti(b), QStringList{QStringLiteral("hai scritto quarantatré. riprova")});
        casella->setText(QStringLiteral("34"));
        QTest::keyClick(casella, Qt::Key_Return);
        QCOMPARE(detti(b), QStringList{QStringLiteral("hai scritto trentaquattro. giusto")});
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
