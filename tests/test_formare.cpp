// SPDX-License-Identifier: GPL-3.0-or-later
// The four place-the-beads windows, driven as a pupil drives them.
#include "Banco.h"
#include "abacus/Disegni.h"
#include "forming/FinestraFormare.h"
#include "abacus/VistaOrbetto.h"
#include "framework/Applicazione.h"
#include "framework/Colori.h"

#include <QFile>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace {

FinestraFormare *formare(Banco &b)
{
    return qobject_cast<FinestraFormare *>(b.principale());
}

// Puts n on the window's rods with left presses, as a pupil would.
void forma(Banco &b, int n)
{
    const std::pair<const char *, int> aste[] = {{"Bot_k", n / 1000}, {"Bot_h", n / 100 % 10}, {"Bot_da", n / 10 % 10},
                                                 {"Bot_u", n % 10}};
    for (const auto &[nome, cifra] : aste) {
        auto *bottone = b.trova<BottoneAsta>(QString::fromLatin1(nome));
        for (int i = 0; bottone && i < cifra; ++i)
            QTest::mouseClick(bottone, Qt::LeftButton);
    }
}

bool abilitato(Banco &b, const char *nome)
{
    return b.trova<QWidget>(QString::fromLatin1(nome))->isEnabled();
}

// Resident memory of the process, in kilobytes (Linux only: under Wine the
// numbers would be Wine's own).
long residente()
{
#ifndef Q_OS_LINUX
    return 0;
#else
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> campi = statm.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
#endif
}

} // namespace

class TestFormare : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { preparaApplicazione(*qApp); }

    void form4PuoChiedereZero()
    {
        Banco b;
        b.finoAlMenu();
        b.piattaforma.valori = {0.0, valore(0, 10)};
        b.clic(QStringLiteral("Command14"));
        QCOMPARE(b.principale()->objectName(), QStringLiteral("Form4"));
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral("ZERO"));
        QCOMPARE(b.numeroCorrente(), qint16(0));
        // Units background table: its first row.
        QCOMPARE(b.principale()->sfondo(), QColor(255, 192, 192));
        b.clic(QStringLiteral("BottoneConferma"));
        QCOMPARE(b.testo(QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
    }

    void massimo19SoloDa1a19()
    {
        Banco b;
        b.apri(QStringLiteral("Command6"));
        for (int i = 0; i < 4; ++i)
            b.ctx.punteggio.conta(true);
        b.menu(QStringLiteral("mnuMassimo"));
        auto *cornice = b.trova<QWidget>(QStringLiteral("CorniceNumeroMassimo"));
        QVERIFY(!cornice->isHidden());
        QCOMPARE(cornice->pos(), QPoint(0, 0));
        for (int i = 0; i < 9; ++i)
            QVERIFY(!b.trova<QRadioButton>(QStringLiteral("OpzioneNumeroMassimo(%1)").arg(i))->isChecked());
        b.clic(QStringLiteral("OpzioneNumeroMassimo(0)"));
        QVERIFY(cornice->isHidden());
        QCOMPARE(b.ctx.NumeroMassimo, qint16(19));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(4)); // a maximum leaves the counters
        bool visto19 = false;
        for (int i = 0; i < 2000; ++i) {
            formare(b)->NuovoNumero();
            const int n = b.numeroCorrente();
            QVERIFY2(n >= 1 && n <= 19, qPrintable(QString::number(n)));
            visto19 |= n == 19;
        }
        QVERIFY(visto19);
    }

    void attesaDelBottoneAvanti()
    {
        Banco b;
        b.finoAlMenu();
        b.piattaforma.valori = {0.0, valore(33, 99)};
        b.clic(QStringLiteral("Command6"));
        QCOMPARE(b.numeroCorrente(), qint16(34));
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral("TRENTAQUATTRO"));
        QVERIFY(!b.trova<QWidget>(QStringLiteral("BottoneAvanti"))->isHidden());
        QVERIFY(!abilitato(b, "BottoneAvanti"));

        forma(b, 33);
        b.clic(QStringLiteral("BottoneConferma"));
        b.clic(QStringLiteral("BottoneConferma"));
        QCOMPARE(b.testo(QStringLiteral("EtichettaErrati")), QStringLiteral(" 2"));
        QVERIFY(!abilitato(b, "BottoneAvanti")); // wrong answers never enable it
        QCOMPARE(b.numeroCorrente(), qint16(34));
        QCOMPARE(formare(b)->orbetto().ValoreOrbetto(), 33);

        forma(b, 1);
        b.clic(QStringLiteral("BottoneConferma"));
        QVERIFY(abilitato(b, "BottoneAvanti"));
        QVERIFY(!abilitato(b, "BottoneConferma"));
        QVERIFY(!b.trova<QWidget>(QStringLiteral("ComandoIconaSi"))->isHidden());
        QVERIFY(b.trova<QWidget>(QStringLiteral("ComandoIconaNo"))->isHidden());
        QCOMPARE(formare(b)->orbetto().ValoreOrbetto(), 34); // still on the rods

        b.piattaforma.valori = {0.0, valore(6, 99)};
        b.clic(QStringLiteral("BottoneAvanti"));
        QVERIFY(!abilitato(b, "BottoneAvanti"));
        QVERIFY(abilitato(b, "BottoneConferma"));
        QCOMPARE(b.numeroCorrente(), qint16(7));
        QCOMPARE(formare(b)->orbetto().ValoreOrbetto(), 0);
        // The last verdict's face stays through the next exercise.
        QVERIFY(!b.trova<QWidget>(QStringLiteral("ComandoIconaSi"))->isHidden());
    }

    void avanzamentoAutomatico()
    {
        Banco b;
        b.finoAlMenu();
        b.clic(QStringLiteral("Option1(0)"));
        b.piattaforma.valori = {valore(0, 18), valore(49, 99)};
        b.clic(QStringLiteral("Command6"));
        QVERIFY(b.trova<QWidget>(QStringLiteral("BottoneAvanti"))->isHidden());
        forma(b, 50);
        // The cheerful sound draws first, then the colour and the number.
        b.piattaforma.valori = {valore(2, 4), valore(8, 18), valore(11, 99)};
        b.clic(QStringLiteral("BottoneConferma"));
        QCOMPARE(b.testo(QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
        QCOMPARE(b.numeroCorrente(), qint16(12));
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral("DODICI"));
        QCOMPARE(b.principale()->sfondo(), QColor(128, 255, 128));
        QCOMPARE(formare(b)->orbetto().ValoreOrbetto(), 0);
        QVERIFY(abilitato(b, "BottoneConferma"));
        QCOMPARE(b.piattaforma.nomiSuoni().last(), QStringLiteral("si3.wav"));
    }

    void ricominciaSvuota()
    {
        Banco c;
        c.apri(QStringLiteral("Command13"));
        forma(c, 9999);
        QCOMPARE(formare(c)->orbetto().ValoreOrbetto(), 9999);
        c.clic(QStringLiteral("Bot_ricomincia"));
        QCOMPARE(formare(c)->orbetto().ValoreOrbetto(), 0);
    }

    void form999aAllaRipresaTornaA999()
    {
        Banco b;
        b.apri(QStringLiteral("Command2"));
        FinestraProgramma *esercizio = b.principale();
        QCOMPARE(b.ctx.NumeroMassimo, qint16(999));
        b.menu(QStringLiteral("mnuMassimo"));
        b.clic(QStringLiteral("OpzioneNumeroMassimo(1)"));
        QCOMPARE(b.ctx.NumeroMassimo, qint16(299));
        const qint16 numero = formare(b)->numeroDaFormare();
        QVERIFY(numero >= 1 && numero <= 299);

        // A message box answered No, then Qt activating the window again.
        b.menu(QStringLiteral("mnuEsci"));
        attiva(esercizio);
        QCOMPARE(b.principale(), esercizio);
        QCOMPARE(b.ctx.NumeroMassimo, qint16(299));
        QCOMPARE(formare(b)->numeroDaFormare(), numero);

        // Another program window and back: one new number, maximum 999.
        AltraFinestra altra(b.ctx);
        attiva(&altra);
        b.piattaforma.valori = {0.0, valore(899, 999)};
        attiva(esercizio);
        QCOMPARE(b.ctx.NumeroMassimo, qint16(999));
        QCOMPARE(formare(b)->numeroDaFormare(), qint16(900));
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral("NOVECENTO"));
    }

    void inCifreDueVolte()
    {
        Banco b;
        b.apri(QStringLiteral("Command2"));
        auto *parole = b.principale()->findChild<QAction *>(QStringLiteral("MenuParole"));
        auto *cifre = b.principale()->findChild<QAction *>(QStringLiteral("MenuCifre"));
        QVERIFY(parole->isChecked() && !cifre->isChecked());
        b.piattaforma.valori = {0.0, valore(41, 999), 0.0, valore(7, 999)};
        b.menu(QStringLiteral("MenuCifre"));
        b.menu(QStringLiteral("MenuCifre"));
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral("     42"));
        QVERIFY(!parole->isChecked() && cifre->isChecked());
        QCOMPARE(b.piattaforma.valori.size(), 2); // one draw only

        Banco c;
        c.apri(QStringLiteral("Command6"));
        c.piattaforma.valori = {0.0, valore(41, 99), 0.0, valore(7, 99)};
        c.menu(QStringLiteral("MenuCifre"));
        c.menu(QStringLiteral("MenuCifre"));
        QCOMPARE(c.testo(QStringLiteral("EtichettaNumero")), QStringLiteral("     8"));
        QVERIFY(c.piattaforma.valori.isEmpty()); // two draws
        c.menu(QStringLiteral("MenuParole"));
        QVERIFY(!formare(c)->numeroInCifre());
    }

    void cifreConSeparatoreDelleMigliaia()
    {
        Banco b;
        b.finoAlMenu();
        b.piattaforma.valori = {0.0, valore(998, 9999)};
        b.clic(QStringLiteral("Command13"));
        QCOMPARE(b.piattaforma.risemine, 2); // start-up, then the window's load
        b.piattaforma.valori = {0.0, valore(998, 9999)};
        b.menu(QStringLiteral("MenuCifre"));
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral("    999"));
        b.piattaforma.valori = {0.0, valore(1233, 9999)};
        formare(b)->NuovoNumero();
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral("    1.234"));
        QCOMPARE(conSeparatoreMigliaia(9999, QStringLiteral(",")), QStringLiteral("9,999"));
        QCOMPARE(conSeparatoreMigliaia(12345, QStringLiteral(".")), QStringLiteral("12.345"));
    }

    void contatoriAllAperturaEAllUscita()
    {
        Banco b;
        b.apri(QStringLiteral("Command14"));
        b.clic(QStringLiteral("BottoneConferma"));
        b.clic(QStringLiteral("BottoneConferma"));
        QVERIFY(b.ctx.punteggio.esatti() + b.ctx.punteggio.errati() == 2);
        // The title bar's close asks the same question as "Esci".
        b.principale()->close();
        QCOMPARE(b.piattaforma.box.last().testo, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(b.principale()->objectName(), QStringLiteral("Form4"));
        b.piattaforma.risposte = {true};
        b.menu(QStringLiteral("mnuEsci"));
        QCOMPARE(b.principale()->objectName(), QStringLiteral("FormMenu"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(0)); // the units windows reset on leaving
        QCOMPARE(b.ctx.punteggio.errati(), qint16(0));

        b.clic(QStringLiteral("Command6"));
        QCOMPARE(b.testo(QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
        b.clic(QStringLiteral("BottoneConferma"));
        const qint16 errati = b.ctx.punteggio.errati();
        QVERIFY(errati + b.ctx.punteggio.esatti() == 1);
        b.piattaforma.risposte = {true};
        b.menu(QStringLiteral("mnuEsci"));
        QCOMPARE(b.ctx.punteggio.errati(), errati); // kept by the tens windows
        QCOMPARE(b.nav().aperte().size(), 1);
    }

    void sceltaAvanzamentoSopravviveAlGiro()
    {
        Banco b;
        b.finoAlMenu();
        b.clic(QStringLiteral("Option1(0)"));
        b.clic(QStringLiteral("Command2"));
        QVERIFY(b.trova<QWidget>(QStringLiteral("BottoneAvanti"))->isHidden());
        b.piattaforma.risposte = {true};
        b.menu(QStringLiteral("mnuEsci"));
        QVERIFY(b.trova<QRadioButton>(QStringLiteral("Option1(0)"))->isChecked());
        QVERIFY(!b.trova<QRadioButton>(QStringLiteral("Option1(1)"))->isChecked());
    }

    void menuComeLiConosconoGliAlunni()
    {
        const std::pair<const char *, QStringList> attesi[] = {
            {"Command14", {"Azzera conteggio        ", "Voce  ", "Informazioni          ", "Esci"}},
            {"Command6", {"Azzera conteggio        ", "Numeri        ", "Numero massimo        ",
                          "Stampa scheda        ", "Voce  ", "Informazioni          ", "Esci"}},
            {"Command2", {"Azzera conteggio       ", "Numeri        ", "Numero massimo        ",
                          "Stampa scheda        ", "Voce  ", "Informazioni          ", "Esci"}},
            {"Command13", {"Azzera conteggio        ", "Scegli il numero massimo        ", "Numeri        ",
                           "Stampa scheda        ", "Voce  ", "Informazioni          ", "Esci"}},
        };
        for (const auto &[bottone, voci] : attesi) {
            Banco b;
            b.apri(QString::fromLatin1(bottone));
            QStringList trovate;
            for (QAction *a : b.principale()->findChild<QMenuBar *>()->actions())
                trovate.append(a->text());
            QCOMPARE(trovate, voci);
        }
    }

    // A window left open all day: every exercise brings a new background
    // colour, and what the style caches per colour must stay bounded.
    void tremilaEserciziInUnaFinestra()
    {
        Banco b;
        b.apri(QStringLiteral("Command6"));
        FinestraFormare *f = formare(b);
        QCOMPARE(QPixmapCache::cacheLimit(), 0);
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer keeps freed memory in quarantine: resident memory tells nothing here");
#elif !defined(Q_OS_LINUX)
        QSKIP("Resident memory is read from /proc");
#endif
        const auto esercizi = [f](int n) {
            for (int i = 0; i < n; ++i) {
                f->NuovoNumero();
                f->centralWidget()->repaint();
                QApplication::processEvents();
            }
        };
        esercizi(300);
        const long prima = residente();
        esercizi(3000);
        const long crescita = residente() - prima;
        // Before the cache was off: about 3,700 KB more.
        QVERIFY2(crescita < 1024, qPrintable(QStringLiteral("%1 KB more").arg(crescita)));
    }

    // A day of answers: the counters show every count up to 32,767 whole.
    void contatoriACinqueCifre_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::newRow("Form99a") << "Command6";
        QTest::newRow("Form99c") << "Command20";
        QTest::newRow("Form999c") << "Command4";
        QTest::newRow("F9999b") << "Command11";
    }
    void contatoriACinqueCifre()
    {
        QFETCH(QString, bottone);
        Banco b;
        FinestraProgramma *f = b.apri(bottone);
        for (int i = 0; i < 32766; ++i) {
            b.ctx.punteggio.conta(false);
            b.ctx.punteggio.conta(true);
        }
        qobject_cast<FinestraEsercizio *>(f)->riscontro().errato();
        qobject_cast<FinestraEsercizio *>(f)->riscontro().esatto();
        for (const char *nome : {"EtichettaErrati", "EtichettaEsatti"}) {
            auto *l = b.trova<QLabel>(QString::fromLatin1(nome));
            QCOMPARE(l->text(), QStringLiteral(" 32767"));
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(), nome);
            QVERIFY(f->area()->rect().contains(l->geometry()));
        }
    }
};

QTEST_MAIN(TestFormare)
#include "test_formare.moc"
