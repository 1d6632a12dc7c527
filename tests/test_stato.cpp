// SPDX-License-Identifier: GPL-3.0-or-later
// Shared state without windows: colours, counter texts, the random source.
#include "PiattaformaProva.h"
#include "framework/Colori.h"
#include "framework/Contesto.h"
#include "framework/PiattaformaQt.h"
#include "framework/Testi.h"

#include <QTest>

#include <cmath>
#include <map>

class TestStato : public QObject
{
    Q_OBJECT

    static std::map<QRgb, int> frequenze(TabellaColori t)
    {
        std::map<QRgb, int> n;
        for (int k = 1; k <= 18; ++k)
            ++n[rigaTabellaColori(t, k).rgb()];
        return n;
    }

private slots:
    void coloreDaTabellaUsaLaRigaEstratta()
    {
        PiattaformaProva p;
        Contesto ctx(p);
        // floor(v * 18) + 1: the lowest and the highest row, and row 3.
        p.valori = {0.0, 0.999999, 2.5 / 18};
        QCOMPARE(coloreDaTabella(ctx, TabellaColori::Unita), QColor(255, 192, 192));
        QCOMPARE(coloreDaTabella(ctx, TabellaColori::Unita), QColor(255, 0, 255));
        QCOMPARE(coloreDaTabella(ctx, TabellaColori::Unita), QColor(255, 0, 0));
    }

    void tabelleColoriPesanoLeRipetizioni()
    {
        const QRgb rosso = qRgb(255, 0, 0), verdino = qRgb(128, 255, 128), rosa = qRgb(255, 192, 255);
        const auto unita = frequenze(TabellaColori::Unita);
        const auto decine = frequenze(TabellaColori::Decine);
        const auto condivisa = frequenze(TabellaColori::Condivisa);
        // Pure red only in the units windows.
        QCOMPARE(unita.count(rosso), 1u);
        QCOMPARE(decine.count(rosso), 0u);
        QCOMPARE(condivisa.count(rosso), 0u);
        // Light green twice as often in the tens windows as in the units ones.
        QCOMPARE(decine.at(verdino), 2);
        QCOMPARE(unita.at(verdino), 1);
        // The shared table gives pink three times in eighteen.
        QCOMPARE(condivisa.at(rosa), 3);
        QCOMPARE(condivisa.at(qRgb(192, 64, 0)), 2);
    }

    void sfondoMenuMaiVoce7()
    {
        int conta[16] = {};
        for (int i = 0; i < 14000; ++i)
            ++conta[indiceSfondoMenu((i + 0.5) / 14000)];
        QCOMPARE(conta[0], 0);
        QCOMPARE(conta[7], 0);
        QCOMPARE(conta[15], 0);
        QCOMPARE(conta[6], 2000); // 6 and the would-be 7
        for (int c : {1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14})
            QCOMPARE(conta[c], 1000);
        QCOMPARE(coloreTavolozza(6), QColor(128, 128, 0));
        QCOMPARE(coloreTavolozza(14), QColor(255, 255, 0));
    }

    void testoLeggibileSuOgniSfondo()
    {
        QCOMPARE(coloreTestoSu(QColor(0, 0, 128)), QColor(Qt::white));
        QCOMPARE(coloreTestoSu(QColor(255, 255, 0)), QColor(Qt::black));
        QCOMPARE(coloreTestoSu(QColor(0, 128, 0)), QColor(Qt::white));
        QCOMPARE(coloreTestoSu(QColor(224, 224, 224)), QColor(Qt::black));
        // Where the brightness rule chose white at 2.5:1 and 3.1:1.
        QCOMPARE(coloreTestoSu(QColor(0, 192, 0)), QColor(Qt::black));
        QCOMPARE(coloreTestoSu(QColor(255, 0, 255)), QColor(Qt::black));
        QCOMPARE(qRound(contrasto(Qt::black, Qt::white)), 21);
        QCOMPARE(qRound(contrasto(QColor(0, 192, 0), Qt::black) * 10), 85);

        // Every background the tables can give reaches AA (4.5:1) with its text.
        QList<QColor> sfondi;
        for (TabellaColori t : {TabellaColori::Condivisa, TabellaColori::Decine, TabellaColori::Unita})
            for (int k = 1; k <= 18; ++k)
                sfondi << rigaTabellaColori(t, k);
        for (int c = 0; c < 16; ++c)
            sfondi << coloreTavolozza(c);
        for (const QColor &s : sfondi)
            QVERIFY2(contrasto(s, coloreTestoSu(s)) >= 4.5, qPrintable(s.name()));
    }

    void testoConteggio()
    {
        QCOMPARE(TestoConteggio(0), QStringLiteral(" 0"));
        QCOMPARE(TestoConteggio(7), QStringLiteral(" 7"));
        QCOMPARE(TestoConteggio(34), QStringLiteral(" 34"));
        QCOMPARE(TestoConteggio(32767), QStringLiteral(" 32767"));
        QCOMPARE(TestoConteggio(-5), QStringLiteral("-5"));
    }

    void contatoriSiFermanoA32767()
    {
        QCOMPARE(piuUno(0), qint16(1));
        QCOMPARE(piuUno(32766), qint16(32767));
        QCOMPARE(piuUno(32767), qint16(32767));
    }

    void casualeNonRaggiungeMaiUno()
    {
        QCOMPARE(casualeDaBit(0), 0.0);
        const double massimo = casualeDaBit(~quint64(0));
        QVERIFY(massimo < 1.0);
        // The largest value still floors below n for every n a draw uses.
        for (int n : {4, 9, 10, 14, 18, 89, 99, 999, 9999, 32767})
            QVERIFY(int(std::floor(massimo * n)) == n - 1);
        PiattaformaQt qt;
        for (int i = 0; i < 100000; ++i) {
            const double v = qt.casuale();
            QVERIFY(v >= 0.0 && v < 1.0);
        }
    }
};

QTEST_GUILESS_MAIN(TestStato)
#include "test_stato.moc"
