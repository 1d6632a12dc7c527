// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic sheet composer: sheet texts, wrapping, and the window.
#include "Banco.h"
#include "Pdf.h"
#include "framework/Applicazione.h"
#include "framework/Impaginazione.h"
#include "worksheets/Composizione.h"
#include "framework/TagliaRighe.h"
#include "worksheets/FormStampa.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <tuple>

namespace {

// The exercise cells of a sheet text: every row after the title block, cut
// into 25-character cells (the sheet's rows start with four blanks).
QStringList celle(const QString &testo, bool scheda)
{
    QStringList risultato;
    const QStringList righe = testo.split(QStringLiteral("\r\n"));
    for (int i = 3; i < righe.size(); ++i) {
        QString riga = righe[i];
        if (riga.trimmed().isEmpty() || riga.contains(QLatin1String("ESEGUI")))
            continue;
        if (scheda)
            riga.remove(0, 4);
        for (int c = 0; c + 25 <= riga.size(); c += 25)
            risultato << riga.mid(c, 25);
    }
    return risultato;
}

// "   a + b = r" read back as its three numbers (digits joined).
QList<int> numeri(const QString &cella)
{
    static const QRegularExpression forma(QStringLiteral("^\\s*([\\d ]+?)\\s*([+-])\\s*([\\d ]+?)\\s*=\\s*([\\d ]*)"));
    const auto m = forma.match(cella);
    QList<int> n;
    for (int i : {1, 3, 4})
        n << m.captured(i).remove(QLatin1Char(' ')).toInt();
    return n;
}

FormStampa *composer(Banco &b, const char *bottoneEsercizio, const char *voce)
{
    b.apri(QString::fromLatin1(bottoneEsercizio));
    b.menu(QString::fromLatin1(voce));
    return qobject_cast<FormStampa *>(b.nav().affiancata(QStringLiteral("formStampa")));
}

} // namespace

class TestComposizione : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { preparaApplicazione(*qApp); }

    void numeriComeLiScriveLaScheda()
    {
        QCOMPARE(conBlank(7), QStringLiteral(" 7"));
        QCOMPARE(conBlank(34), QStringLiteral(" 34"));
        QCOMPARE(cifreSpaziate(34), QStringLiteral(" 3 4"));
        QCOMPARE(cifreSpaziate(7), QStringLiteral(" 7"));
        QCOMPARE(cifreSpaziate(0), QStringLiteral(" 0"));
        QCOMPARE(cifreSpaziate(40), QStringLiteral(" 4 0"));
    }

    void addizioniUnaColonnaTreRighe()
    {
        Banco b;
        // a = 27, b = 34; a = 80, b = 0; a = 1, b = 98.
        b.piattaforma.valori = {valore(26, 80), valore(34, 73), valore(79, 80), valore(0, 20), valore(0, 80),
                                valore(98, 99)};
        Foglio f;
        FaiScheda(b.ctx, 15, 3, 1, f);
        const QString titolo = QStringLiteral("\r\n           ESEGUI LE ADDIZIONI\r\n\r\n");
        const QString fine = QStringLiteral("     \r\n\r\n");
        // Cells: three blanks, conBlank(b), " + ", conBlank(a), then the blank line or the
        // result, padded to 25 characters.
        QCOMPARE(f.scheda, titolo + QStringLiteral("        34 +  27 = ______    ") + fine +
                               QStringLiteral("        0 +  80 = ______     ") + fine +
                               QStringLiteral("        98 +  1 = ______     ") + fine);
        QCOMPARE(f.correzione, titolo + QStringLiteral("    34 +  27 =  61       ") + fine +
                                   QStringLiteral("    0 +  80 =  80        ") + fine +
                                   QStringLiteral("    98 +  1 =  99        ") + fine);
        // Four blanks, a 25-character cell, five blanks.
        for (const QString &riga : f.scheda.split(QStringLiteral("\r\n")).mid(3))
            QVERIFY(riga.isEmpty() || riga.size() == 4 + 25 + 5);
    }

    void cifreSenzaZeriDavanti()
    {
        Banco b;
        // X = 7: u 7, t 0; u2 3, t2 0.  X = 40: u 0, t 4; u2 0, t2 2.
        b.piattaforma.valori = {valore(7, 10), valore(0, 10), valore(3, 7), 0.5,
                                valore(0, 10), valore(4, 10), 0.5, valore(2, 4)};
        Foglio f;
        FaiScheda(b.ctx, 16, 2, 1, f);
        const QStringList c = celle(f.scheda, true);
        QCOMPARE(c[0].trimmed(), QStringLiteral("3 +  4 = ____"));
        QCOMPARE(c[1], QStringLiteral("    2 0 +  2 0 = ____    "));
        QCOMPARE(celle(f.correzione, false)[1].trimmed(), QStringLiteral("2 0 +  2 0 =  40"));
    }

    void senzaCambioMaiRiportiNePrestiti()
    {
        Banco b;
        for (int tipo : {16, 18}) {
            Foglio f;
            for (int i = 0; i < 40; ++i)
                FaiScheda(b.ctx, tipo, 25, 6, f);
            const QStringList correzioni = celle(f.correzione, false);
            QCOMPARE(correzioni.size(), 40 * 25 * 6);
            for (const QString &cella : correzioni) {
                const QList<int> n = numeri(cella);
                const int x = tipo == 16 ? n[2] : n[0];
                const int y = n[1], r = tipo == 16 ? n[0] : n[2];
                QVERIFY2(x >= 1 && x <= 99, qPrintable(cella));
                QVERIFY2(y % 10 <= x % 10 && y / 10 <= x / 10, qPrintable(cella));
                QCOMPARE(tipo == 16 ? r + y : x - y, tipo == 16 ? x : r);
            }
        }
    }

    void sottrazioniEntroCento()
    {
        Banco b;
        Foglio f;
        for (int i = 0; i < 40; ++i)
            FaiScheda(b.ctx, 17, 25, 6, f);
        for (const QString &cella : celle(f.correzione, false)) {
            const QList<int> n = numeri(cella);
            QVERIFY(n[0] <= 99);
            QVERIFY(n[2] >= 1 && n[2] <= 80);
            QCOMPARE(n[0] - n[1], n[2]);
        }
        QVERIFY(f.scheda.contains(QStringLiteral("ESEGUI LE SOTTRAZIONI")));
        Foglio vuoto;
        FaiScheda(b.ctx, 14, 5, 2, vuoto);
        QVERIFY(vuoto.scheda.isEmpty() && vuoto.correzione.isEmpty());
    }

    void tagliaRighe_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("corto") << "uno due" << 100 << "uno due\r\n";
        QTest::newRow("a capo dopo un blank") << "aaa bbb ccc" << 6 << "aaa \r\nbbb ccc\r\n";
        QTest::newRow("tre righe") << "aaa bbb ccc" << 5 << "aaa \r\nbbb \r\nccc\r\n";
        QTest::newRow("righe vuote restano") << "ab\r\n\r\ncd ef" << 100 << "ab\r\n\r\ncd ef\r\n";
        QTest::newRow("blank ai lati") << "   ab   " << 100 << "ab\r\n";
        QTest::newRow("parola troppo lunga") << "abcdefgh ij" << 3 << "\r\nabcd\r\nefgh ij\r\n";
        QTest::newRow("parole in attesa prima del taglio") << "ab cdefghij k" << 3 << "ab \r\ncdef\r\nghij k\r\n";
        // Found by the fuzzer: a short word that ends its line with a carriage
        // return moves to the next line whole.
        QTest::newRow("parola corta prima dell'a capo") << "ab cd\r\nefghijkl mn" << 3
                                                 << "ab \r\ncd\r\r\n\nefg\r\nhijkl mn\r\n";
        QTest::newRow("ultima parola lunga") << "ab cdefgh" << 4 << "ab \r\ncdefgh\r\n";
    }
    void tagliaRighe()
    {
        QFETCH(QString, testo);
        QFETCH(int, larghezza);
        QFETCH(QString, atteso);
        QCOMPARE(TagliaRighe(testo, larghezza), atteso);
    }

    void tagliaSeiColonne()
    {
        Banco b;
        Foglio f;
        FaiScheda(b.ctx, 15, 5, 6, f);
        for (int larghezza : {100, 90}) {
            const QString testo = larghezza == 100 ? f.scheda : f.correzione;
            const QStringList righe = righeDaStampare(TagliaRighe(testo, larghezza));
            int lunghe = 0;
            for (const QString &r : righe) {
                QVERIFY2(r.size() <= larghezza + 1, qPrintable(r));
                lunghe += r.size() > 60;
            }
            QVERIFY(lunghe >= 10); // every row broken in two, none lost
            QCOMPARE(righe.join(QString()).remove(QLatin1Char(' ')),
                     QString(testo).remove(QLatin1Char(' ')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')));
        }
        // Widths that leave no room still end.
        QVERIFY(!TagliaRighe(QStringLiteral("abc def"), -5).isEmpty());
    }

    // The composer's rows break between exercises only, on the sheet and on
    // the correction; rows that fit are left as they are.
    void nessunEsercizioSpezzato()
    {
        Banco b;
        for (int tipo = 15; tipo <= 18; ++tipo)
            for (int colonne = 4; colonne <= 6; ++colonne) {
                Foglio f;
                FaiScheda(b.ctx, tipo, 5, colonne, f);
                for (const QString &testo : {f.scheda, f.correzione}) {
                    const QStringList righe = righeDaStampare(TagliaEsercizi(testo, 100));
                    for (const QString &r : righe) {
                        const QString t = r.trimmed();
                        QVERIFY2(r.size() <= 101, qPrintable(r));
                        QVERIFY2(!t.endsWith(QLatin1Char('=')) && !t.endsWith(QLatin1Char('+'))
                                     && !t.endsWith(QLatin1Char('-')) && !t.startsWith(QLatin1Char('='))
                                     && !t.startsWith(QLatin1Char('_')),
                                 qPrintable(r));
                        // As many results (or blanks for them) as operations.
                        const int operazioni = int(t.count(QLatin1Char('=')));
                        QCOMPARE(int(t.count(QRegularExpression(QStringLiteral("= +(_+|\\d+)")))), operazioni);
                    }
                    QCOMPARE(righe.join(QString()).remove(QLatin1Char(' ')),
                             QString(testo).remove(QLatin1Char(' ')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')));
                }
                Foglio due;
                FaiScheda(b.ctx, tipo, 5, 2, due);
                QCOMPARE(TagliaEsercizi(due.scheda, 100), TagliaRighe(due.scheda, 100));
                QCOMPARE(TagliaEsercizi(due.correzione, 100), TagliaRighe(due.correzione, 100));
            }
    }

    void apertoDaiQuattroEsercizi_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("titolo");
        QTest::newRow("Form99c") << "Command20" << "mnustampa" << "ESEGUI LE ADDIZIONI";
        QTest::newRow("Form99c1") << "Command8" << "mnustampa" << "ESEGUI LE ADDIZIONI";
        QTest::newRow("Form99d") << "Command25" << "mnuStampa" << "ESEGUI LE SOTTRAZIONI";
        QTest::newRow("Form99d1") << "Command9" << "mnuStampa" << "ESEGUI LE SOTTRAZIONI";
    }
    void apertoDaiQuattroEsercizi()
    {
        QFETCH(QString, bottone);
        QFETCH(QString, voce);
        QFETCH(QString, titolo);
        Banco b;
        FormStampa *c = composer(b, qPrintable(bottone), qPrintable(voce));
        QVERIFY(c);
        QCOMPARE(c->windowTitle(), QStringLiteral("Schede di addizioni e sottrazioni"));
        QVERIFY(c->foglio().scheda.contains(titolo));
        QCOMPARE(celle(c->foglio().scheda, true).size(), 10); // 5 rows of 2
        QVERIFY(c->findChild<QPlainTextEdit *>(QStringLiteral("txtCD"))->toPlainText().contains(titolo));

        // 6 x 25 as PDF files: sheet from its menu item, correction from
        // "Stampa correzione" with no printer. Every exercise whole, as text.
        b.clic(QStringLiteral("OptionColonne(5)"), c);
        b.clic(QStringLiteral("OptionRighe(5)"), c);
        QTemporaryDir cartella;
        const QString cosa = titolo.contains(QLatin1String("ADDIZIONI")) ? QStringLiteral("addizioni")
                                                                        : QStringLiteral("sottrazioni");
        b.piattaforma.fileScelto = cartella.filePath(QStringLiteral("scheda.pdf"));
        b.menu(QStringLiteral("mnuPdfScheda"), c);
        const LetturaPdf scheda = leggiPdf(b.piattaforma.fileScelto);
        b.piattaforma.stampante = false;
        b.piattaforma.risposte = {true};
        b.piattaforma.fileScelto = cartella.filePath(QStringLiteral("correzione.pdf"));
        b.clic(QStringLiteral("Command1"), c);
        QVERIFY(b.piattaforma.testiStampati.isEmpty());
        QCOMPARE(b.piattaforma.nomiProposti,
                 QStringList({cosa + QStringLiteral("-2026-12-08.pdf"), cosa + QStringLiteral("-correzione-2026-12-08.pdf")}));
        const LetturaPdf correzione = leggiPdf(b.piattaforma.fileScelto);
        if (!scheda.letto || !correzione.letto)
            QSKIP("poppler-utils missing");
        for (const auto &[pdf, testo, eScheda] : {std::tuple(scheda, c->foglio().scheda, true),
                                                 std::tuple(correzione, c->foglio().correzione, false)}) {
            QVERIFY2(pdf.pagina.contains(QStringLiteral("(A4)")), qPrintable(pdf.pagina));
            // 6 x 25 at 12 points: on more pages, each with its heading; the
            // correction on as many as its sheet.
            QVERIFY(pdf.pagine > 1);
            QCOMPARE(pdf.pagine, scheda.pagine);
            QCOMPARE(pdf.testo.count(titolo), pdf.pagine);
            QCOMPARE(QString(pdf.testo).remove(QLatin1Char(' ')).count(QStringLiteral("Nome______Classe______Data______")),
                     pdf.pagine);
            const QStringList esercizi = celle(testo, eScheda);
            QCOMPARE(esercizi.size(), 150);
            QString righe;
            for (const QString &riga : pdf.testo.split(QLatin1Char('\n')))
                righe += QString(riga).remove(QLatin1Char(' ')) + QLatin1Char('|');
            for (const QString &e : esercizi)
                QVERIFY2(righe.contains(QString(e).remove(QLatin1Char(' '))), qPrintable(e));
        }
    }

    // On paper the type never goes below "Carattere": landscape when a line
    // cannot stand in portrait; a row too wide even for landscape goes on
    // in the lines under it, broken between exercises; pages hold whole
    // rows under the heading; the correction lies on its sheet.
    void righeSullaCarta_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("punti");
        for (int colonne = 2; colonne <= 6; ++colonne)
            for (int righe : {5, 15, 25})
                for (int punti : {10, 12, 14})
                    QTest::addRow("%d x %d, %d pt", colonne, righe, punti) << colonne << righe << punti;
    }
    void righeSullaCarta()
    {
        QFETCH(int, colonne);
        QFETCH(int, righe);
        QFETCH(int, punti);
        Banco b;
        Foglio foglio;
        FaiScheda(b.ctx, 17, righe, colonne, foglio);
        QBuffer memoria;
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoria); // as a PDF file is written
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        const TestoSuCarta scheda = FormStampa::sulFoglio(foglio.scheda, punti);
        const Impaginato fatto = impagina(scheda, pdf);
        const Impaginato correzione = impagina(FormStampa::sulFoglio(foglio.correzione, punti, foglio.scheda), pdf);
        QVERIFY(fatto.punti >= punti);
        QCOMPARE(correzione.pagine.size(), fatto.pagine.size());
        QCOMPARE(correzione.orizzontale, fatto.orizzontale);
        QCOMPARE(correzione.punti, fatto.punti);

        QFont font(scheda.carattere);
        font.setPointSizeF(fatto.punti);
        const QFontMetricsF m(font, &pdf);
        QPageLayout pagina = pdf.pageLayout();
        const QRectF verticale = pagina.paintRectPixels(pdf.logicalDpiX());
        pagina.setOrientation(fatto.orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QRectF utile = pagina.paintRectPixels(pdf.logicalDpiX());
        QFont scelto = font;
        scelto.setPointSize(punti);
        const QFontMetricsF alScelto(scelto, &pdf);
        bool oltreVerticale = false;
        QStringList stampate;
        for (const QStringList &p : fatto.pagine) {
            QCOMPARE(p.mid(0, scheda.intestazione), scheda.righe.mid(0, scheda.intestazione));
            QVERIFY(m.lineSpacing() * double(p.size()) <= utile.height());
            int esercizi = 0;
            for (const QString &riga : p) {
                QVERIFY2(m.horizontalAdvance(riga) <= utile.width(), qPrintable(riga));
                oltreVerticale |= m.horizontalAdvance(riga) > verticale.width() * 0.995;
                esercizi += int(riga.count(QLatin1Char('=')));
                stampate << riga;
            }
            QCOMPARE(esercizi % colonne, 0); // whole rows on every page
        }
        QCOMPARE(fatto.orizzontale, oltreVerticale);
        // Every exercise whole on one line; every row one line wherever it
        // fits the landscape page at the chosen size.
        const QString tutte = stampate.join(QLatin1Char('|'));
        for (const QString &riga : righeDaStampare(foglio.scheda)) {
            for (const QString &e : EserciziDellaRiga(riga))
                QVERIFY2(tutte.contains(e), qPrintable(e));
            if (riga.count(QLatin1Char('=')) == colonne && alScelto.horizontalAdvance(riga) * 1.005 < utile.width())
                QVERIFY2(stampate.contains(riga), qPrintable(riga));
        }
    }

    void opzioniEStampa()
    {
        Banco b;
        FormStampa *c = composer(b, "Command20", "mnustampa");
        const QString prima = c->foglio().scheda;
        b.clic(QStringLiteral("OptionCarattere(2)"), c);
        auto *txtCD = c->findChild<QPlainTextEdit *>(QStringLiteral("txtCD"));
        QCOMPARE(txtCD->font().pointSize(), 14);
        QCOMPARE(c->foglio().scheda, prima); // no new sheet for the size
        b.clic(QStringLiteral("btnCD"), c);
        QCOMPARE(b.piattaforma.testiStampati.size(), 1);
        QCOMPARE(b.piattaforma.testiStampati[0].punti, 14);
        QCOMPARE(b.piattaforma.testiStampati[0].carattere, QStringLiteral("Liberation Mono"));
        QVERIFY(b.piattaforma.testiStampati[0].righe.join(QLatin1Char('\n')).contains(QStringLiteral("ESEGUI LE ADDIZIONI")));

        b.clic(QStringLiteral("OptionColonne(5)"), c);
        b.clic(QStringLiteral("OptionRighe(5)"), c);
        QCOMPARE(celle(c->foglio().scheda, true).size(), 25 * 6);
        b.clic(QStringLiteral("Command1"), c);
        // The correction on paper: heading, then its own lines unchanged.
        const QStringList stampate = b.piattaforma.testiStampati.last().righe;
        QCOMPARE(stampate.first(), QStringLiteral("Nome ______  Classe ______  Data ______"));
        QCOMPARE(stampate.mid(2), righeDaStampare(c->foglio().correzione));

        // Back from the exercise: a fresh 5 x 2 sheet, the marks with it.
        attiva(b.principale());
        attiva(c);
        QCOMPARE(c->numeroRighe(), qint16(5));
        QCOMPARE(c->numeroColonne(), qint16(2));
        QCOMPARE(c->dimensioneCarattere(), qint16(12));
        QCOMPARE(celle(c->foglio().scheda, true).size(), 10);
        QVERIFY(b.trova<QAbstractButton>(QStringLiteral("OptionColonne(1)"), c)->isChecked());
        QVERIFY(b.trova<QAbstractButton>(QStringLiteral("OptionRighe(1)"), c)->isChecked());
        QVERIFY(b.trova<QAbstractButton>(QStringLiteral("OptionCarattere(1)"), c)->isChecked());
        QCOMPARE(txtCD->font().pointSize(), 12);

        // One composer for all callers: the kind is the last caller's.
        b.piattaforma.risposte = {true};
        b.menu(QStringLiteral("mnuEsci"));
        b.clic(QStringLiteral("Command9"));
        b.menu(QStringLiteral("mnuStampa"));
        QCOMPARE(b.nav().affiancata(QStringLiteral("formStampa")), c);
        attiva(c);
        QVERIFY(c->foglio().scheda.contains(QStringLiteral("SOTTRAZIONI")));
        b.clic(QStringLiteral("BottoneEsci"), c);
        QVERIFY(c->isHidden());
    }
};

QTEST_MAIN(TestComposizione)
#include "test_composizione.moc"
