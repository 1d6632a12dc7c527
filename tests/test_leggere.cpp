// SPDX-License-Identifier: GPL-3.0-or-later
// The eight reading windows: digits and words typed for the beads shown.
#include "Banco.h"
#include "reading/FinestraLeggere.h"
#include "abacus/VistaOrbetto.h"
#include "framework/Applicazione.h"
#include "framework/Colori.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Opens a reading window from the menu with its first number forced.
FinestraLeggere *apri(Banco &b, const char *bottone, int numero, int su, bool attende = true)
{
    b.finoAlMenu();
    if (!attende)
        b.clic(QStringLiteral("Option1(0)"));
    b.piattaforma.valori = {0.0, valore(numero, su)};
    b.clic(QString::fromLatin1(bottone));
    return qobject_cast<FinestraLeggere *>(b.principale());
}

void premiInvio(QWidget *w, bool ripetuto = false)
{
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), ripetuto);
    QApplication::sendEvent(w, &e);
}

void rilasciaInvio(QWidget *w, bool ripetuto = false)
{
    QKeyEvent e(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), ripetuto);
    QApplication::sendEvent(w, &e);
}

// Types the text and presses Enter as a pupil does.
void rispondi(FinestraLeggere *f, const QString &testo)
{
    QLineEdit *box = f->risposta();
    box->clear();
    // QTest types ASCII only: an accented letter goes as the key event an
    // Italian keyboard sends.
    for (QChar c : testo) {
        if (c.unicode() < 128) {
            QTest::keyClick(box, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    QTest::keyClick(box, Qt::Key_Return);
}

// Enter held down: the first press, repeats, then the one real release.
void tieniInvio(QWidget *w, int ripetizioni)
{
    premiInvio(w);
    for (int i = 0; i < ripetizioni; ++i) {
        rilasciaInvio(w, true);
        premiInvio(w, true);
    }
    rilasciaInvio(w);
}

void invioAlTempo(QWidget *w, QEvent::Type tipo, quint64 tempo, bool ripetizione = false)
{
    QKeyEvent e(tipo, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), ripetizione);
    e.setTimestamp(tempo);
    QApplication::sendEvent(w, &e);
}

// Enter held down as X11 sends it: the repeats are release/press pairs with
// one timestamp and no repeat flag. The event loop runs between pairs.
void tieniInvioX11(PiattaformaProva &piattaforma, QWidget *w, int ripetizioni)
{
    piattaforma.passiManuali = true;
    quint64 tempo = 70000;
    invioAlTempo(w, QEvent::KeyPress, tempo);
    for (int i = 0; i < ripetizioni; ++i) {
        tempo += i == 0 ? 500 : 33;
        invioAlTempo(w, QEvent::KeyRelease, tempo);
        invioAlTempo(w, QEvent::KeyPress, tempo);
        while (piattaforma.eseguiPasso()) {
        }
    }
    invioAlTempo(w, QEvent::KeyRelease, tempo + 20);
    while (piattaforma.eseguiPasso()) {
    }
    piattaforma.passiManuali = false;
}

// Enter held 1.5 s as xev showed it on Xvfb with openbox (xdotool keydown,
// sleep 1.5, keyup): the press, 22 release/press pairs sharing a timestamp,
// the last release 12 ms after the last press. With lento the event loop
// runs between the release and the press of each pair, as on a busy
// machine where the press is read from the server too late; with misto, Qt
// also recognises every other pair itself and flags it as a repeat.
void tieniInvioRegistrato(PiattaformaProva &piattaforma, QWidget *w, bool lento, bool misto = false)
{
    const quint64 tempi[] = {10493544, 10494204, 10494245, 10494286, 10494326, 10494367, 10494407, 10494448,
                             10494488, 10494528, 10494568, 10494608, 10494648, 10494688, 10494728, 10494769,
                             10494809, 10494850, 10494890, 10494930, 10494970, 10495010, 10495050};
    const auto ciclo = [&piattaforma] {
        while (piattaforma.eseguiPasso()) {
        }
    };
    piattaforma.passiManuali = true;
    invioAlTempo(w, QEvent::KeyPress, tempi[0]);
    for (std::size_t i = 1; i < std::size(tempi); ++i) {
        const bool segnata = misto && i % 2 == 0;
        invioAlTempo(w, QEvent::KeyRelease, tempi[i], segnata);
        if (lento && !segnata)
            ciclo();
        invioAlTempo(w, QEvent::KeyPress, tempi[i], segnata);
        ciclo();
    }
    invioAlTempo(w, QEvent::KeyRelease, 10495062);
    ciclo();
    piattaforma.passiManuali = false;
}

} // namespace

class TestLeggere : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { preparaApplicazione(*qApp); }

    void ogniFinestraMostraIlNumeroSulleAste_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("casella");
        QTest::addColumn<int>("su");
        QTest::addColumn<int>("estratto");
        QTest::addColumn<int>("numero");
        QTest::newRow("Form6") << "Command16" << "Form6" << "Text1" << 9 << 6 << 7;
        QTest::newRow("Form99b") << "Command35" << "Form99b" << "TestoNumero" << 99 << 98 << 98;
        QTest::newRow("Form999b") << "Command10" << "Form999b" << "TestoNumero" << 999 << 205 << 205;
        QTest::newRow("F9999b") << "Command11" << "F9999b" << "TestoNumero" << 9999 << 9090 << 9090;
        QTest::newRow("Form5") << "Command15" << "Form5" << "Text1" << 9 << 0 << 1;
        QTest::newRow("Form99b1") << "Command5" << "Form99b1" << "TestoNumero" << 99 << 0 << 0;
        QTest::newRow("Form999b1") << "Command3" << "Form999b1" << "TestoNumero" << 999 << 180 << 180;
        QTest::newRow("F9999c") << "Command12" << "F9999c" << "Text1" << 9999 << 1000 << 1000;
    }
    void ogniFinestraMostraIlNumeroSulleAste()
    {
        QFETCH(QString, bottone);
        QFETCH(QString, finestra);
        QFETCH(QString, casella);
        QFETCH(int, su);
        QFETCH(int, estratto);
        QFETCH(int, numero);
        Banco b;
        FinestraLeggere *f = apri(b, qPrintable(bottone), estratto, su);
        QVERIFY(f);
        QCOMPARE(f->objectName(), finestra);
        QCOMPARE(f->risposta()->objectName(), casella);
        QCOMPARE(int(b.numeroCorrente()), numero);
        QCOMPARE(f->orbetto().ValoreOrbetto(), numero);
        QCOMPARE(b.testo(QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
        QVERIFY(f->risposta()->text().isEmpty());
    }

    void cifreLetteComeNumero()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command10", 456, 999, false);
        b.piattaforma.valori = {0.0, 0.0, valore(456, 999), 0.0, 0.0, valore(456, 999)};
        rispondi(f, QStringLiteral("4 5 6"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        QVERIFY(f->risposta()->text().isEmpty()); // automatic: next number, box emptied
        QCOMPARE(b.numeroCorrente(), qint16(456));
        rispondi(f, QStringLiteral("456abc"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(2));
        rispondi(f, QStringLiteral("456.5"));
        QCOMPARE(b.ctx.punteggio.errati(), qint16(1));
        QCOMPARE(f->risposta()->text(), QStringLiteral("456.5")); // stays for correcting
        rispondi(f, QStringLiteral("abc"));
        QCOMPARE(b.ctx.punteggio.errati(), qint16(2));
    }

    void puntoDiventaBlankInF9999b()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command11", 2345, 9999);
        QTest::keyClicks(f->risposta(), QStringLiteral("2.345"));
        QCOMPARE(f->risposta()->text(), QStringLiteral("2 345"));
        QTest::keyClick(f->risposta(), Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        for (const char *giusta : {"2,345", "2a345"}) {
            b.clic(QStringLiteral("BottoneAvanti"));
            b.impostaNumero(2345);
            rispondi(f, QString::fromLatin1(giusta));
        }
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(3));
        // A "." into the empty box stays a ".".
        b.clic(QStringLiteral("BottoneAvanti"));
        QTest::keyClicks(f->risposta(), QStringLiteral(".5"));
        QCOMPARE(f->risposta()->text(), QStringLiteral(".5"));
    }

    void invioSullaCasellaVuota()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command11", 17, 9999);
        QTest::keyClick(f->risposta(), Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.errati(), qint16(1));
        Banco z;
        FinestraLeggere *g = apri(z, "Command11", 0, 9999);
        QTest::keyClick(g->risposta(), Qt::Key_Return);
        QCOMPARE(z.ctx.punteggio.esatti(), qint16(1));
        for (const char *bottone : {"Command16", "Command35", "Command10", "Command15", "Command12"}) {
            Banco c;
            FinestraLeggere *h = apri(c, bottone, 0, 9);
            QTest::keyClick(h->risposta(), Qt::Key_Return);
            QCOMPARE(c.ctx.punteggio.errati() + c.ctx.punteggio.esatti(), 0);
        }
    }

    // One held Enter is one answer in every reading window, whether it
    // judges on the press or on the release.
    void invioTenutoUnaVolta_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<QString>("sbagliata");
        QTest::addColumn<int>("flusso");
        const char *flussi[] = {"", " (X11)", " (xev)", " (xev, lento)", " (xev, lento, misto)"};
        for (int x = 0; x < 5; ++x) {
            const char *come = flussi[x];
            QTest::addRow("Form99b%s", come) << "Command35" << "77" << x;
            QTest::addRow("Form999b%s", come) << "Command10" << "77" << x;
            QTest::addRow("Form6%s", come) << "Command16" << "77" << x;
            QTest::addRow("F9999b%s", come) << "Command11" << "77" << x;
            QTest::addRow("Form5%s", come) << "Command15" << "DUE" << x;
            QTest::addRow("Form99b1%s", come) << "Command5" << "DUE" << x;
            QTest::addRow("F9999c%s", come) << "Command12" << "DUE" << x;
        }
    }
    void invioTenutoUnaVolta()
    {
        QFETCH(QString, bottone);
        QFETCH(QString, sbagliata);
        QFETCH(int, flusso);
        Banco b;
        FinestraLeggere *f = apri(b, qPrintable(bottone), 5, 9);
        QTest::keyClicks(f->risposta(), sbagliata);
        if (flusso == 0)
            tieniInvio(f->risposta(), 3);
        else if (flusso == 1)
            tieniInvioX11(b.piattaforma, f->risposta(), 3);
        else
            tieniInvioRegistrato(b.piattaforma, f->risposta(), flusso >= 3, flusso == 4);
        QCOMPARE(int(b.ctx.punteggio.errati()), 1);
        // The next Enter, a separate keystroke, judges again.
        tieniInvioX11(b.piattaforma, f->risposta(), 0);
        QCOMPARE(int(b.ctx.punteggio.errati()), 2);
    }

    void invioCheChiudeUnBoxNonGiudica()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command16", 2, 9);
        QTest::keyClicks(f->risposta(), QStringLiteral("9"));
        // The press went to the message box; only the release arrives here.
        rilasciaInvio(f->risposta());
        QCOMPARE(b.ctx.punteggio.errati(), qint16(0));
        Banco p;
        FinestraLeggere *g = apri(p, "Command5", 2, 9);
        QTest::keyClicks(g->risposta(), QStringLiteral("tre"));
        rilasciaInvio(g->risposta());
        QCOMPARE(p.ctx.punteggio.errati(), qint16(0));
    }

    void paroleInMaiuscoloEsatte()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command5", 20, 99, false);
        QCOMPARE(b.numeroCorrente(), qint16(20));
        QTest::keyClicks(f->risposta(), QStringLiteral("venti"));
        QCOMPARE(f->risposta()->text(), QStringLiteral("VENTI"));
        QTest::keyClick(f->risposta(), Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));

        const struct {
            int numero;
            const char *risposta;
            bool giusta;
        } casi[] = {
            {21, "ventuno", true}, {21, "  VENTUNO ", true}, {21, "VENTI UNO", false}, {23, "VENTITRÉ", true}, {23, "ventitré", true}, {83, "ottantatré", true},
            {23, "VENTITRE", true}, {21, "21", false}, {0, "ZERO", true}, {0, "zero", true},
            {180, "CENTOTTANTA", true}, {180, "CENTOTANTA", false}, {180, "CENTOOTTANTA", true}, {108, "centootto", true},
        };
        for (const auto &caso : casi) {
            b.impostaNumero(qint16(caso.numero));
            const qint16 esatti = b.ctx.punteggio.esatti();
            rispondi(f, QString::fromUtf8(caso.risposta));
            QVERIFY2((b.ctx.punteggio.esatti() > esatti) == caso.giusta, caso.risposta);
        }
    }

    void testoIncollatoNonDiventaMaiuscolo()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command5", 20, 99);
        QApplication::clipboard()->setText(QStringLiteral("ventuno"));
        b.impostaNumero(21);
        f->risposta()->paste();
        QCOMPARE(f->risposta()->text(), QStringLiteral("ventuno"));
        QTest::keyClick(f->risposta(), Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.errati(), qint16(1));
    }

    void paroleDeiMigliaia()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command12", 1000, 9999);
        rispondi(f, QStringLiteral("UNOMILA"));
        rispondi(f, QStringLiteral("MILLE"));
        QCOMPARE(b.ctx.punteggio.errati(), qint16(1));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        b.clic(QStringLiteral("BottoneAvanti"));
        b.impostaNumero(2345);
        rispondi(f, QStringLiteral("duemilatrecentoquarantacinque"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(2));
        // F9999c: "." stays, and an empty box does nothing.
        b.clic(QStringLiteral("BottoneAvanti"));
        QTest::keyClicks(f->risposta(), QStringLiteral("A.B"));
        QCOMPARE(f->risposta()->text(), QStringLiteral("A.B"));
    }

    void attesaConLaRispostaInSolaLettura()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command3", 21, 999);
        auto *avanti = b.trova<QPushButton>(QStringLiteral("BottoneAvanti"));
        QVERIFY(!avanti->isHidden() && !avanti->isEnabled());
        rispondi(f, QStringLiteral("ventuno"));
        QCOMPARE(f->risposta()->text(), QStringLiteral("VENTUNO"));
        // The right answer stays readable: read-only, at full contrast.
        QVERIFY(f->risposta()->isReadOnly() && f->risposta()->isEnabled());
        const QPalette tavolozza = f->risposta()->palette();
        QVERIFY(contrasto(tavolozza.color(QPalette::Active, QPalette::Text),
                          tavolozza.color(QPalette::Active, QPalette::Base)) >= 4.5);
        QTest::keyClicks(f->risposta(), QStringLiteral("X"));
        QCOMPARE(f->risposta()->text(), QStringLiteral("VENTUNO"));
        QVERIFY(avanti->isEnabled());
        // A second Enter cannot judge: the box is closed.
        QTest::keyClick(f->risposta(), Qt::Key_Return);
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        // A new exercise by activation keeps the waiting state.
        AltraFinestra altra(b.ctx);
        attiva(&altra);
        attiva(f);
        QVERIFY(f->risposta()->isReadOnly() && avanti->isEnabled());
        b.piattaforma.valori = {0.0, valore(7, 999)};
        b.clic(QStringLiteral("BottoneAvanti"));
        QVERIFY(!f->risposta()->isReadOnly() && f->risposta()->text().isEmpty());
        QVERIFY(!avanti->isEnabled());
        QCOMPARE(b.numeroCorrente(), qint16(7));
    }

    void massimoSceltoERipresa()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command35", 3, 99);
        rispondi(f, QStringLiteral("1"));
        b.menu(QStringLiteral("mnuMassimo"));
        b.clic(QStringLiteral("OpzioneNumeroMassimo(0)"));
        QVERIFY(b.trova<QWidget>(QStringLiteral("CorniceNumeroMassimo"))->isHidden());
        QCOMPARE(b.ctx.NumeroMassimo, qint16(19));
        QCOMPARE(b.testo(QStringLiteral("EtichettaErrati")), QStringLiteral(" 1"));
        for (int i = 0; i < 500; ++i) {
            f->NuovoNumero();
            QVERIFY(b.numeroCorrente() >= 0 && b.numeroCorrente() <= 18);
        }
        AltraFinestra altra(b.ctx);
        attiva(&altra);
        attiva(f);
        QCOMPARE(b.ctx.NumeroMassimo, qint16(19)); // Form99b keeps it

        Banco c;
        FinestraLeggere *g = apri(c, "Command11", 3, 9999);
        QCOMPARE(c.ctx.NumeroMassimo, qint16(9999));
        c.menu(QStringLiteral("mnuMassimo"));
        c.clic(QStringLiteral("OpzioneNumeroMassimo(0)"));
        QCOMPARE(c.ctx.NumeroMassimo, qint16(1999));
        AltraFinestra altra2(c.ctx);
        attiva(&altra2);
        attiva(g);
        QCOMPARE(c.ctx.NumeroMassimo, qint16(9999)); // F9999b gives it up
    }

    void unitaDaUnoANoveEZeroAllaRipresa()
    {
        Banco b;
        FinestraLeggere *f = apri(b, "Command16", 0, 9);
        for (int i = 0; i < 500; ++i) {
            f->NuovoNumero();
            QVERIFY(b.numeroCorrente() >= 1 && b.numeroCorrente() <= 9);
        }
        rispondi(f, QStringLiteral("07"));
        rispondi(f, QStringLiteral(" 7"));
        QCOMPARE(b.ctx.punteggio.esatti() + b.ctx.punteggio.errati(), 2);
        // Every activation of a units window starts the counters again.
        AltraFinestra altra(b.ctx);
        attiva(&altra);
        attiva(f);
        QCOMPARE(b.ctx.punteggio.esatti() + b.ctx.punteggio.errati(), 0);
        QCOMPARE(b.testo(QStringLiteral("EtichettaErrati")), QStringLiteral("0"));
        auto *u = b.trova<QPushButton>(QStringLiteral("Bot_u"));
        const int prima = f->orbetto().ValoreOrbetto();
        QTest::mouseClick(u, Qt::LeftButton);
        QCOMPARE(f->orbetto().ValoreOrbetto(), prima); // the "u" button is inert
    }
};

QTEST_MAIN(TestLeggere)
#include "test_leggere.moc"
