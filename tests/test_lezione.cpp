// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's lesson: the class year that bounds the numbers, the calm
// mode, and the summary of what the class did.
#include "Banco.h"

#include "arithmetic/Estrazioni.h"
#include "forming/FinestraFormare.h"
#include "framework/Colori.h"
#include "lesson/FinestraRiepilogo.h"
#include "reading/FinestraLeggere.h"
#include "words/NumeriInLettere.h"
#include "worksheets/FinestraScheda.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

namespace {

// A forming or reading window's exercise number.
int numero(Banco &b)
{
    if (auto *f = qobject_cast<FinestraFormare *>(b.principale()))
        return f->numeroDaFormare();
    return b.numeroCorrente();
}

// The reading window's answer, typed and confirmed with Enter.
void rispondi(Banco &b, const QString &testo)
{
    QLineEdit *box = qobject_cast<FinestraLeggere *>(b.principale())->risposta();
    box->clear();
    QTest::keyClicks(box, testo);
    QTest::keyClick(box, Qt::Key_Return);
}

void giusta(Banco &b)
{
    rispondi(b, QString::number(b.numeroCorrente()));
}

void esci(Banco &b, double secondi)
{
    b.piattaforma.adesso += secondi;
    b.piattaforma.risposte = {true};
    b.menu(QStringLiteral("mnuEsci"));
}

} // namespace

class TestLezione : public QObject
{
    Q_OBJECT
private slots:
    void classeLimitaINumeri_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<bool>("formare"); // draws 1 to the maximum; reading 0 to maximum - 1
        // The largest number under libera, prima, seconda, terza, quarta:
        // a window never goes below its smallest option.
        QTest::addColumn<QList<int>>("massimi");
        QTest::addColumn<int>("opzioneMinima");
        const QList<int> decine{99, 20, 99, 99, 99}, centinaia{999, 199, 199, 999, 999},
            migliaia{9999, 1999, 1999, 1999, 9999}, unita{10, 10, 10, 10, 10};
        QTest::newRow("Form4") << "Command14" << true << QList<int>{9, 9, 9, 9, 9} << 0;
        QTest::newRow("Form5") << "Command15" << false << unita << 0;
        QTest::newRow("Form6") << "Command16" << false << unita << 0;
        QTest::newRow("Form99a") << "Command6" << true << decine << 19;
        QTest::newRow("Form99b1") << "Command5" << false << decine << 19;
        QTest::newRow("Form99b") << "Command35" << false << decine << 19;
        QTest::newRow("Form999a") << "Command2" << true << centinaia << 199;
        QTest::newRow("Form999b1") << "Command3" << false << centinaia << 199;
        QTest::newRow("Form999b") << "Command10" << false << centinaia << 199;
        QTest::newRow("F9999a") << "Command13" << true << migliaia << 1999;
        QTest::newRow("F9999c") << "Command12" << false << migliaia << 1999;
        QTest::newRow("F9999b") << "Command11" << false << migliaia << 1999;
    }

    void classeLimitaINumeri()
    {
        QFETCH(QString, bottone);
        QFETCH(bool, formare);
        QFETCH(QList<int>, massimi);
        QFETCH(int, opzioneMinima);
        const Classe classi[] = {Classe::Libera, Classe::Prima, Classe::Seconda, Classe::Terza, Classe::Quarta};
        const int limiti[] = {9999, 20, 100, 1000, 9999};
        for (int i = 0; i < 5; ++i) {
            Banco b;
            b.finoAlMenu();
            b.ctx.classe = classi[i];
            // The background, then the largest number the draw can give.
            b.piattaforma.valori = {0.5, 0.999999};
            b.clic(bottone);
            const int piuAlto = formare ? massimi[i] : massimi[i] - 1;
            QCOMPARE(numero(b), piuAlto);
            if (massimi[i] > 10)
                QCOMPARE(int(b.ctx.NumeroMassimo), massimi[i]);
            // Within the year's limit, or the window's smallest option.
            QVERIFY(piuAlto <= std::max(limiti[i], opzioneMinima));
        }
    }

    void laSchedaSegueLaClasse()
    {
        Banco b;
        b.finoAlMenu();
        b.ctx.classe = Classe::Prima;
        b.clic(QStringLiteral("Command6"));
        b.piattaforma.valori = {0.999999};
        b.menu(QStringLiteral("mnuStampa"));
        auto *scheda = b.nav().affiancata(QStringLiteral("formSt99a"));
        QVERIFY(scheda);
        QStringList fino20;
        for (int n = 1; n <= 20; ++n)
            fino20 << NumeroInLettere(n) + QStringLiteral(" ___ ");
        for (int i = 0; i < 8; ++i) {
            const QString t = scheda->findChild<QPlainTextEdit *>(QStringLiteral("Text1(%1)").arg(i))->toPlainText();
            QVERIFY2(fino20.contains(t), qPrintable(t));
            QVERIFY(i > 0 || t == QStringLiteral("VENTI ___ "));
        }
    }

    void operazioniEntroLaClasse()
    {
        Banco b;
        b.ctx.classe = Classe::Prima;
        int piuAlta = 0;
        for (int i = 0; i < 3000; ++i) {
            const Operazione con = estraiConCambio99(b.ctx);
            QVERIFY(con.somma >= 10 && con.somma <= 19 && con.primo + con.secondo == con.somma);
            const Operazione senza = estraiSenzaCambio(b.ctx);
            QVERIFY(senza.somma <= 20 && senza.primo >= 1 && senza.secondo >= 1);
            QVERIFY(senza.primo % 10 <= senza.somma % 10); // no carry in the units
            piuAlta = std::max<int>(piuAlta, senza.somma);
            QVERIFY(estraiConCambio999(b.ctx).somma <= 199);
        }
        QCOMPARE(piuAlta, 20);
        b.ctx.classe = Classe::Terza;
        b.piattaforma.valori = {0.999999, 0.5, 0.999999, 0.5};
        QCOMPARE(int(estraiConCambio99(b.ctx).somma), 98);
        QCOMPARE(int(estraiConCambio999(b.ctx).somma), 999);
    }

    void classeDallaRigaDiComandoEDalMenu()
    {
        QCOMPARE(classeDaNome(QStringLiteral("Terza")), Classe::Terza);
        QCOMPARE(classeDaNome(QStringLiteral("quinta")), std::nullopt);
        Banco b;
        b.finoAlMenu();
        b.menu(QStringLiteral("mnuClasseSeconda"));
        QCOMPARE(b.ctx.classe, Classe::Seconda);
        QVERIFY(b.principale()->windowTitle().contains(QStringLiteral("classe seconda")));
        auto *titolo = b.principale()->findChild<QMenu *>(QStringLiteral("MenuClasse"));
        QCOMPARE(titolo->title().trimmed(), QStringLiteral("classe: seconda"));
        // The choice holds for the run: the menu built anew shows it.
        b.clic(QStringLiteral("Command6"));
        esci(b, 1);
        QVERIFY(b.principale()->findChild<QAction *>(QStringLiteral("mnuClasseSeconda"))->isChecked());
    }

    void modalitaTranquilla()
    {
        Banco b;
        b.finoAlMenu();
        b.clic(QStringLiteral("Option1(0)"));
        QVERIFY(!b.ctx.AttendiBottone);
        b.menu(QStringLiteral("mnuTranquilla"));
        QCOMPARE(b.principale()->sfondo(), sfondoTranquillo());
        QVERIFY(b.ctx.AttendiBottone);
        QVERIFY(!b.trova<QWidget>(QStringLiteral("Option1(0)"))->isEnabled());

        b.clic(QStringLiteral("Command35"));
        QVERIFY(mostrata(b, QStringLiteral("BottoneAvanti")));
        rispondi(b, QStringLiteral("x"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(b.principale()->sfondo(), sfondoTranquillo());
            const int prima = b.numeroCorrente();
            giusta(b);
            // The advance waits, whatever the option said before.
            QCOMPARE(int(b.numeroCorrente()), prima);
            b.clic(QStringLiteral("BottoneAvanti"));
        }
        QCOMPARE(b.principale()->sfondo(), sfondoTranquillo());
        QCOMPARE(int(b.ctx.punteggio.esatti()), 3);
        QCOMPARE(int(b.ctx.punteggio.errati()), 1);
        QVERIFY(b.piattaforma.suoni.isEmpty());
        QCOMPARE(b.piattaforma.beep_, 0);
    }

    void contrastoDeiTesti()
    {
        // Every background the colour rules can give, with the text each
        // window writes on it.
        for (bool tranquilla : {false, true}) {
            QList<QPair<double, QColor>> misure;
            for (const QColor &s : sfondiPossibili(tranquilla))
                misure.append({contrasto(s, coloreTestoSu(s)), s});
            std::sort(misure.begin(), misure.end(), [](auto &a, auto &b) { return a.first < b.first; });
            for (int i = 0; i < std::min<qsizetype>(3, misure.size()); ++i)
                qInfo("%s: %s text on %s, %.2f:1", tranquilla ? "calm" : "normal",
                      qPrintable(coloreTestoSu(misure[i].second).name()), qPrintable(misure[i].second.name()),
                      misure[i].first);
            if (tranquilla)
                QVERIFY2(misure.first().first >= 4.5, qPrintable(misure.first().second.name()));
        }
    }

    void riepilogoDellaLezione()
    {
        Banco b;
        b.finoAlMenu();
        b.clic(QStringLiteral("Option1(0)"));
        b.ctx.classe = Classe::Terza;

        // Form6: two right, one wrong, "Azzera conteggio", one right more.
        b.clic(QStringLiteral("Command16"));
        giusta(b);
        giusta(b);
        rispondi(b, QStringLiteral("0"));
        b.menu(QStringLiteral("MenuAzzera"));
        giusta(b);
        esci(b, 180); // the units window zeroes the counters as it closes
        // Form99b twice, Form99b1 between: their counters are kept on
        // leaving and zeroed by the next window, never counted again.
        b.clic(QStringLiteral("Command35"));
        giusta(b);
        esci(b, 30);
        b.clic(QStringLiteral("Command5"));
        esci(b, 10);
        b.clic(QStringLiteral("Command35"));
        giusta(b);
        rispondi(b, QStringLiteral("x"));
        esci(b, 20);

        const QList<RegistroLezione::Riga> righe = b.nav().lezione().righe();
        QCOMPARE(righe.size(), 3);
        QCOMPARE(righe[0].finestra, QStringLiteral("Form6"));
        QCOMPARE(righe[0].sezione, QStringLiteral("unità"));
        QCOMPARE(righe[0].esercizio, QStringLiteral("scrivi il numero in cifre"));
        QCOMPARE(righe[0].esatti, 3);
        QCOMPARE(righe[0].errati, 1);
        QCOMPARE(righe[0].secondi, 180.0);
        QCOMPARE(righe[1].finestra, QStringLiteral("Form99b"));
        QCOMPARE(righe[1].visite, 2);
        QCOMPARE(righe[1].esatti, 2);
        QCOMPARE(righe[1].errati, 1);
        QCOMPARE(righe[1].secondi, 50.0);
        QCOMPARE(righe[2].finestra, QStringLiteral("Form99b1"));
        QCOMPARE(righe[2].esatti + righe[2].errati, 0);

        // The window, and its PDF as the teacher saves it.
        b.menu(QStringLiteral("mnuRiepilogo"));
        auto *finestra = qobject_cast<FinestraRiepilogo *>(b.nav().affiancata(QStringLiteral("FormRiepilogo")));
        QVERIFY(finestra);
        auto *tabella = finestra->findChild<QTableView *>(QStringLiteral("TabellaRiepilogo"));
        const QAbstractItemModel *m = tabella->model();
        QCOMPARE(m->rowCount(), 4);
        QCOMPARE(m->index(3, 1).data().toString(), QStringLiteral("Totale"));
        QCOMPARE(m->index(3, 3).data().toString(), QStringLiteral("5"));
        QCOMPARE(m->index(3, 2).data().toString(), QStringLiteral("4 min 00 s"));
        QVERIFY(m->index(3, 0).data(Qt::FontRole).value<QFont>().bold());
        // An answer changes its row and the totals, in place.
        QSignalSpy cambi(m, &QAbstractItemModel::dataChanged);
        b.clic(QStringLiteral("Command16"));
        QCOMPARE(m->rowCount(), 4);
        giusta(b);
        QCOMPARE(m->index(0, 3).data().toString(), QStringLiteral("4"));
        QCOMPARE(m->index(3, 3).data().toString(), QStringLiteral("6"));
        QVERIFY(std::any_of(cambi.begin(), cambi.end(), [](const QList<QVariant> &c) {
            return c[0].toModelIndex().row() == 0 && c[1].toModelIndex().column() >= 3;
        }));
        esci(b, 0);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QTemporaryDir cartella;
        b.piattaforma.fileScelto = cartella.filePath(QStringLiteral("riepilogo.pdf"));
        b.menu(QStringLiteral("mnuSalvaPdf"), finestra);
        QProcess testo;
        testo.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), b.piattaforma.fileScelto, QStringLiteral("-")});
        QVERIFY(testo.waitForFinished());
        const QString letto = QString::fromUtf8(testo.readAllStandardOutput());
        for (const char *atteso : {"Riepilogo della lezione", "Classe: terza", "Data: martedì 8 dicembre 2026",
                                   "decine e unità", "scrivi il numero in lettere", "3 min 00 s"})
            QVERIFY2(letto.contains(QString::fromUtf8(atteso)), atteso);
        QVERIFY(letto.contains(QRegularExpression(QStringLiteral("Totale +4 min 00 s +6 +2"))));
        QVERIFY(b.piattaforma.box.last().testo.startsWith(QString::fromUtf8("Il riepilogo è stato salvato nel file:")));
    }

    void uscitaProponeIlRiepilogo()
    {
        Banco b;
        b.finoAlMenu();
        // Nothing done: the question of always.
        b.clic(QStringLiteral("Command1"));
        QCOMPARE(b.piattaforma.box.last().testo, QStringLiteral("Vuoi uscire dal programma?"));
        b.clic(QStringLiteral("Command6"));
        esci(b, 5);
        b.piattaforma.scelte = {0};
        b.clic(QStringLiteral("Command1"));
        QVERIFY(b.piattaforma.box.last().testo.contains(QStringLiteral("[Riepilogo della lezione|Sì|No]")));
        QVERIFY(b.nav().affiancata(QStringLiteral("FormRiepilogo")));
        QVERIFY(!b.nav().terminato());
        b.piattaforma.scelte = {1};
        b.clic(QStringLiteral("Command1"));
        QVERIFY(b.nav().terminato());
    }
};

QTEST_MAIN(TestLezione)
#include "test_lezione.moc"
