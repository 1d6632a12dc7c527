// SPDX-License-Identifier: GPL-3.0-or-later
// Italian number words and the capital-letter key filter.
#include "words/NumeriInLettere.h"
#include "words/Pronuncia.h"
#include "words/Risposte.h"

#include <cmath>

#ifdef ORBETTO_ICU
#include <unicode/rbnf.h>
#include <unicode/unistr.h>
#endif

#include <QRegularExpression>
#include <QTest>

class TestParole : public QObject
{
    Q_OBJECT
private slots:
    // A second opinion: ICU's Italian spell-out agrees from 0 to 9999, once
    // the deliberate forms (CENTOOTTO beside CENTOTTO, the final -TRÉ) are
    // folded on both sides.
    void lettereComeIcu()
    {
#ifdef ORBETTO_ICU
        UErrorCode errore = U_ZERO_ERROR;
        icu::RuleBasedNumberFormat icu(icu::URBNF_SPELLOUT, icu::Locale("it"), errore);
        QVERIFY(U_SUCCESS(errore));
        int diversi = 0;
        for (int n = 0; n <= 9999; ++n) {
            icu::UnicodeString parole;
            icu.format(int32_t(n), parole);
            std::string utf8;
            parole.toUTF8String(utf8);
            // ICU marks the joints with soft hyphens.
            const QString suo = QString::fromStdString(utf8).remove(QChar(0x00AD)).toUpper();
            QVERIFY(suo.size() >= 3);
            if (ParoleSenzaVarianti(suo) != ParoleSenzaVarianti(NumeroInLettere(n)) && ++diversi <= 5)
                qWarning("%d: ICU %s, Orbetto %s", n, qPrintable(suo), qPrintable(NumeroInLettere(n)));
        }
        QCOMPARE(diversi, 0);
#else
        QSKIP("built without ICU");
#endif
    }

    void parole_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("parole");
        const std::pair<int, const char *> casi[] = {
            {0, "ZERO"}, {1, "UNO"}, {9, "NOVE"}, {10, "DIECI"}, {11, "UNDICI"}, {14, "QUATTORDICI"},
            {17, "DICIASSETTE"}, {19, "DICIANNOVE"}, {20, "VENTI"}, {21, "VENTUNO"}, {23, "VENTITRÉ"}, {3, "TRE"}, {13, "TREDICI"}, {103, "CENTOTRÉ"}, {1003, "MILLETRÉ"}, {23000, "VENTITREMILA"}, {23023, "VENTITREMILAVENTITRÉ"}, {30, "TRENTA"},
            {28, "VENTOTTO"}, {31, "TRENTUNO"}, {38, "TRENTOTTO"}, {40, "QUARANTA"}, {91, "NOVANTUNO"},
            {98, "NOVANTOTTO"}, {99, "NOVANTANOVE"}, {100, "CENTO"}, {101, "CENTOUNO"}, {108, "CENTOOTTO"},
            {111, "CENTOUNDICI"}, {121, "CENTOVENTUNO"}, {180, "CENTOOTTANTA"}, {200, "DUECENTO"},
            {205, "DUECENTOCINQUE"}, {999, "NOVECENTONOVANTANOVE"}, {1000, "MILLE"}, {1001, "MILLEUNO"},
            {1100, "MILLECENTO"}, {1234, "MILLEDUECENTOTRENTAQUATTRO"}, {2000, "DUEMILA"},
            {2021, "DUEMILAVENTUNO"}, {2345, "DUEMILATRECENTOQUARANTACINQUE"},
            {9999, "NOVEMILANOVECENTONOVANTANOVE"}, {11000, "UNDICIMILA"}, {21000, "VENTUNOMILA"},
            {28008, "VENTOTTOMILAOTTO"}, {32767, "TRENTADUEMILASETTECENTOSESSANTASETTE"},
        };
        for (const auto &[n, p] : casi)
            QTest::newRow(qPrintable(QString::number(n))) << n << QString::fromUtf8(p);
    }
    void parole()
    {
        QFETCH(int, numero);
        QFETCH(QString, parole);
        QCOMPARE(NumeroInLettere(numero), parole);
    }

    // What the voice reads: long words split at the thousands and the
    // hundreds, numbers inside a prompt said as words.
    void daDire()
    {
        const std::pair<int, const char *> numeri[] = {
            {0, "zero"}, {3, "tre"}, {23, "ventitré"}, {100, "cento"}, {108, "cento otto"}, {1000, "mille"},
            {1100, "mille cento"}, {2003, "duemila tre"}, {2345, "duemila trecento quarantacinque"},
            {32767, "trentaduemila settecento sessantasette"}, {-1, ""}, {32768, ""},
        };
        for (const auto &[n, p] : numeri)
            QCOMPARE(NumeroDaDire(n), QString::fromUtf8(p));
        const std::pair<const char *, const char *> testi[] = {
            {"41 +  33 =", "quarantuno più trentatré uguale"},
            {"inserisci il numero  41\nnell'orbetto", "inserisci il numero quarantuno nell'orbetto"},
            {"1.234 - 5", "mille duecento trentaquattro meno cinque"},
            {"32768", "32768"},
        };
        for (const auto &[t, p] : testi)
            QCOMPARE(TestoDaDire(QString::fromUtf8(t)), QString::fromUtf8(p));
    }

    void ogniNumeroSoloLettere()
    {
        static const QRegularExpression soloLettere(QStringLiteral("^[A-Z]+\u00C9?$"));
        static const QRegularExpression tensPieno(QStringLiteral("(NTA|NTI)(UNO|OTTO)"));
        for (int n = 0; n <= 32767; ++n) {
            const QString p = NumeroInLettere(n);
            QVERIFY2(soloLettere.match(p).hasMatch(), qPrintable(QString::number(n)));
            QVERIFY2((n == 0) == p.contains(QLatin1String("ZERO")), qPrintable(p));
            if (n < 1000)
                QVERIFY2(!p.contains(QLatin1String("MIL")), qPrintable(p));
            // A tens word always drops its vowel before UNO and OTTO.
            QVERIFY2(!tensPieno.match(p).hasMatch(), qPrintable(p));
        }
    }

    // Every number is accepted with and without the accent of -TRÉ, the
    // accent appears exactly on the compounds ending in TRE, and the elided
    // CENTO forms are right beside the full ones.
    void varianti()
    {
        const QChar e = QChar(0xC9);
        for (int n = 0; n <= 32767; ++n) {
            const QString p = NumeroInLettere(n);
            QString senza = p;
            senza.replace(e, QLatin1Char('E'));
            QVERIFY2(ParoleUguali(p, n) && ParoleUguali(senza, n), qPrintable(p));
            QCOMPARE(p.endsWith(e), senza.endsWith(QLatin1String("TRE")) && n > 20);
            QVERIFY2(!p.chopped(1).contains(e), qPrintable(p));
            if (n > 0)
                QVERIFY(!ParoleUguali(p, n - 1));
        }
        const std::pair<int, const char *> elise[] = {{108, "CENTOTTO"}, {180, "CENTOTTANTA"}, {188, "CENTOTTANTOTTO"}, {1108, "MILLECENTOTTO"}, {5183, "CINQUEMILACENTOTTANTATRÉ"}, {5183, "CINQUEMILACENTOOTTANTATRE"}};
        for (const auto &[n, p] : elise)
            QVERIFY2(ParoleUguali(QString::fromUtf8(p), n), p);
        const std::pair<int, const char *> sbagliate[] = {{23, "VENTITRÈ"}, {23000, "VENTITRÉMILA"}, {3, "TRÉ"}, {103, "CENTRE"}, {180, "CENTOTANTA"}};
        for (const auto &[n, p] : sbagliate)
            QVERIFY2(!ParoleUguali(QString::fromUtf8(p), n), p);
    }

    void fuoriIntervalloVuoto()
    {
        QVERIFY(NumeroInLettere(-1).isEmpty());
        QVERIFY(NumeroInLettere(32768).isEmpty());
    }

    void letteraMaiuscola()
    {
        QCOMPARE(LetteraMaiuscola('a'), int('A'));
        QCOMPARE(LetteraMaiuscola('z'), int('Z'));
        QCOMPARE(LetteraMaiuscola('A'), int('A'));
        QCOMPARE(LetteraMaiuscola('1'), int('1'));
        QCOMPARE(LetteraMaiuscola(' '), int(' '));
        QCOMPARE(LetteraMaiuscola(8), 8);       // backspace
        // The Italian accented vowels, and nothing else beyond z.
        const std::pair<int, int> accentate[] = {{0xE0, 0xC0}, {0xE8, 0xC8}, {0xE9, 0xC9}, {0xEC, 0xCC}, {0xF2, 0xD2}, {0xF9, 0xD9}};
        for (const auto &[minuscola, maiuscola] : accentate)
            QCOMPARE(LetteraMaiuscola(minuscola), maiuscola);
        QCOMPARE(LetteraMaiuscola(0xC9), 0xC9);
        QCOMPARE(LetteraMaiuscola(0xF7), 0xF7); // ÷
        QCOMPARE(LetteraMaiuscola(0xE1), 0xE1); // á is no Italian letter
        QCOMPARE(LetteraMaiuscola('{'), int('{'));
        QCOMPARE(LetteraMaiuscola('`'), int('`'));
    }

    void valoreDigitato_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("numero");
        QTest::addColumn<double>("valore");
        QTest::newRow("blank davanti") << " 7" << true << 7.0;
        QTest::newRow("zero davanti") << "07" << true << 7.0;
        QTest::newRow("blank dentro") << "3 4" << true << 34.0;
        QTest::newRow("lettere dopo") << "34abc" << true << 34.0;
        QTest::newRow("esponente E") << "1e2" << true << 100.0;
        QTest::newRow("esponente D") << "1D2" << true << 100.0;
        QTest::newRow("esponente negativo") << "25E-1" << true << 2.5;
        QTest::newRow("esponente senza cifre") << "7e" << true << 7.0;
        QTest::newRow("esadecimale") << "&H22" << true << 34.0;
        QTest::newRow("ottale") << "&o17" << true << 15.0;
        QTest::newRow("decimali") << "34.5" << true << 34.5;
        QTest::newRow("punto finale") << "34." << true << 34.0;
        QTest::newRow("solo decimali") << ".5" << true << 0.5;
        QTest::newRow("meno") << "-3" << true << -3.0;
        QTest::newRow("piu e blank") << "+ 4 5 6" << true << 456.0;
        QTest::newRow("due punti") << "1.2.3" << true << 1.2;
        QTest::newRow("virgola") << "2,345" << true << 2.0;
        QTest::newRow("grande") << "65570" << true << 65570.0;
        QTest::newRow("lettere") << "abc" << false << 0.0;
        QTest::newRow("vuoto") << "" << false << 0.0;
        QTest::newRow("solo punto") << "." << false << 0.0;
        QTest::newRow("solo segno") << "-" << false << 0.0;
        QTest::newRow("e senza cifre") << "e5" << false << 0.0;
        QTest::newRow("& senza base") << "&X1" << false << 0.0;
        QTest::newRow("&H senza cifre") << "&H" << false << 0.0;
        QTest::newRow("fuori scala") << "1e400" << false << 0.0;
        QTest::newRow("cifre arabe") << QString::fromUtf8("\u0663") << false << 0.0;
    }
    void valoreDigitato()
    {
        QFETCH(QString, testo);
        QFETCH(bool, numero);
        QFETCH(double, valore);
        const LetturaNumero l = ValoreDigitato(testo);
        QCOMPARE(l.numero, numero);
        if (numero)
            QCOMPARE(l.valore, valore);
    }

    void giudizioDelValore()
    {
        QVERIFY(digitatoUguale(QStringLiteral("4 5 6"), 456));
        QVERIFY(digitatoUguale(QStringLiteral("456abc"), 456));
        QVERIFY(!digitatoUguale(QStringLiteral("456.5"), 456));
        // Garbage is never the answer 0, and nothing huge wraps into range.
        QVERIFY(!digitatoUguale(QStringLiteral("abc"), 0));
        QVERIFY(digitatoUguale(QStringLiteral("0"), 0));
        QVERIFY(!digitatoUguale(QStringLiteral("65570"), 34));
        QVERIFY(!digitatoUguale(QStringLiteral("&H10022"), 34));
        QVERIFY(!digitatoUguale(QString(400, QLatin1Char('9')), 9999));
        QVERIFY(!std::isnan(ValoreDigitato(QString(5000, QLatin1Char('9'))).valore));
        // Found by the fuzzer: a hexadecimal run too long to hold.
        const LetturaNumero esadecimale = ValoreDigitato(QStringLiteral("&h") + QString(400, QLatin1Char('E')));
        QVERIFY(!esadecimale.numero);
        QCOMPARE(esadecimale.valore, 0.0);
    }

    void soloCifre()
    {
        QCOMPARE(SoloCifre(QStringLiteral("1 2a3")), QStringLiteral("123"));
        QCOMPARE(SoloCifre(QStringLiteral("2.345")), QStringLiteral("2345"));
        QCOMPARE(SoloCifre(QString::fromUtf8("\u0663\u00B2x")), QString());
        QCOMPARE(numeroDaCifre(QString()), 0);
        QCOMPARE(numeroDaCifre(QStringLiteral("0007")), 7);
        QCOMPARE(numeroDaCifre(QStringLiteral("2345")), 2345);
        QCOMPARE(numeroDaCifre(QStringLiteral("12345678901234567890")), -1);
        QCOMPARE(numeroDaCifre(QStringLiteral("000000000000000000001")), 1);
    }

    void rispostaInLettere()
    {
        QCOMPARE(RispostaInLettere(QStringLiteral("  VENTUNO ")), QStringLiteral("VENTUNO"));
        QCOMPARE(RispostaInLettere(QStringLiteral("VENTI UNO")), QStringLiteral("VENTI UNO"));
        QCOMPARE(RispostaInLettere(QStringLiteral("\tVENTUNO")), QStringLiteral("\tVENTUNO"));
        QCOMPARE(RispostaInLettere(QStringLiteral("   ")), QString());
    }
};

QTEST_GUILESS_MAIN(TestParole)
#include "test_parole.moc"
