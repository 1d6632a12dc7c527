// Italian number words and the capital-letter key filter.
#include "words/NumeriInLettere.h"

#include <QRegularExpression>
#include <QTest>

class TestParole : public QObject
{
    Q_OBJECT
private slots:
    void parole_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("parole");
        const std::pair<int, const char *> casi[] = {
            {0, "ZERO"}, {1, "UNO"}, {9, "NOVE"}, {10, "DIECI"}, {11, "UNDICI"}, {14, "QUATTORDICI"},
            {17, "DICIASSETTE"}, {19, "DICIANNOVE"}, {20, "VENTI"}, {21, "VENTUNO"}, {23, "VENTITRE"},
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
            QTest::newRow(qPrintable(QString::number(n))) << n << QString::fromLatin1(p);
    }
    void parole()
    {
        QFETCH(int, numero);
        QFETCH(QString, parole);
        QCOMPARE(NumeroInLettere(numero), parole);
    }

    void ogniNumeroSoloLettere()
    {
        static const QRegularExpression soloLettere(QStringLiteral("^[A-Z]+$"));
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
        QCOMPARE(LetteraMaiuscola(0xE0), 0xE0); // à stays as typed
        QCOMPARE(LetteraMaiuscola('{'), int('{'));
        QCOMPARE(LetteraMaiuscola('`'), int('`'));
    }
};

QTEST_GUILESS_MAIN(TestParole)
#include "test_parole.moc"
