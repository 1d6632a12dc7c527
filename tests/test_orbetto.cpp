// SPDX-License-Identifier: GPL-3.0-or-later
// The abacus: the model's rules, and the rod buttons acting on the press.
#include "PiattaformaProva.h"
#include "abacus/Disegni.h"
#include "abacus/ModelloOrbetto.h"
#include "abacus/VistaOrbetto.h"

#include <QTest>
#include <QWidget>

namespace {

std::vector<GeometriaAsta> quattroAste()
{
    std::vector<GeometriaAsta> g;
    const Posto posti[] = {Posto::k, Posto::h, Posto::da, Posto::u};
    for (int i = 0; i < 4; ++i) {
        const int x = 1000 + 1500 * i;
        GeometriaAsta a;
        a.posto = posti[i];
        a.filoAlto = {x, 2400};
        a.filoBasso = {x, 6100};
        a.pallina0 = {x - 270, 5760};
        a.pallina = {540, 435};
        a.bottone = {x - 480, 6195, 975, 735};
        a.didascalia = QString::fromLatin1(nomeDi(posti[i]));
        g.push_back(a);
    }
    return g;
}

// Beads shown on the screen, as a pupil sees them.
int mostrate(QWidget &area, const char *asta, int posti = 9)
{
    int n = 0;
    for (int i = 0; i < posti; ++i) {
        auto *p = area.findChild<Pallina *>(QStringLiteral("pal_%1(%2)").arg(QLatin1String(asta)).arg(i));
        if (p && !p->isHidden())
            ++n;
    }
    return n;
}

} // namespace

class TestOrbetto : public QObject
{
    Q_OBJECT
private slots:
    void unaAstaSiRiempieFinoANove()
    {
        ModelloOrbetto m({{Posto::u, 9}});
        for (int i = 0; i < 9; ++i)
            QVERIFY(m.AggiungiPallina(Posto::u));
        QVERIFY(!m.AggiungiPallina(Posto::u)); // the tenth bead is ignored
        QCOMPARE(m.conteggio(Posto::u), qint16(9));
        for (int i = 0; i < 9; ++i)
            QVERIFY(m.visibile(Posto::u, i));
        QCOMPARE(m.ValoreOrbetto(), 9);
    }

    void togliereDaUnAstaVuotaNonCambiaNulla()
    {
        ModelloOrbetto m({{Posto::da, 9}, {Posto::u, 9}});
        QVERIFY(!m.TogliPallina(Posto::u));
        QCOMPARE(m.conteggio(Posto::u), qint16(0));
        QCOMPARE(m.ValoreOrbetto(), 0);
    }

    void siTogliePrimaLaPallinaPiuAlta()
    {
        ModelloOrbetto m({{Posto::da, 9}, {Posto::u, 9}});
        m.AggiungiPallina(Posto::da);
        m.AggiungiPallina(Posto::da);
        m.TogliPallina(Posto::da);
        QCOMPARE(m.ValoreOrbetto(), 10);
        QVERIFY(m.visibile(Posto::da, 0));
        QVERIFY(!m.visibile(Posto::da, 1));
    }

    void valoreDaiConteggi_data()
    {
        QTest::addColumn<QList<int>>("cifre");
        QTest::addColumn<int>("valore");
        QTest::newRow("9999") << QList<int>{9, 9, 9, 9} << 9999;
        QTest::newRow("zero in mezzo") << QList<int>{2, 0, 0, 5} << 2005;
        QTest::newRow("vuoto") << QList<int>{0, 0, 0, 0} << 0;
        QTest::newRow("solo migliaia") << QList<int>{1, 0, 0, 0} << 1000;
    }
    void valoreDaiConteggi()
    {
        QFETCH(QList<int>, cifre);
        QFETCH(int, valore);
        ModelloOrbetto m({{Posto::k, 9}, {Posto::h, 9}, {Posto::da, 9}, {Posto::u, 9}});
        const Posto posti[] = {Posto::k, Posto::h, Posto::da, Posto::u};
        for (int i = 0; i < 4; ++i)
            m.ImpostaPalline(posti[i], cifre[i]);
        QCOMPARE(m.ValoreOrbetto(), valore);
        m.SvuotaOrbetto();
        QCOMPARE(m.ValoreOrbetto(), 0);
        for (Posto p : posti)
            for (int i = 0; i < 9; ++i)
                QVERIFY(!m.visibile(p, i));
    }

    void unAstaMancanteContaZero()
    {
        ModelloOrbetto m({{Posto::da, 9}, {Posto::u, 9}});
        QVERIFY(!m.AggiungiPallina(Posto::h));
        m.ImpostaPalline(Posto::k, 3);
        QCOMPARE(m.ValoreOrbetto(), 0);
    }

    void astaDiciannovePosti()
    {
        ModelloOrbetto m({{Posto::da, 9}, {Posto::u, 19}});
        for (int i = 0; i < 25; ++i)
            m.AggiungiPallina(Posto::u);
        QCOMPARE(m.conteggio(Posto::u), qint16(19));
        m.ImpostaPalline(Posto::da, 3);
        QCOMPARE(m.ValoreOrbetto(), 49); // 3 tens and 19 units
    }

    void bottoniAstaPressioneETenuta()
    {
        QWidget area;
        area.resize(800, 600);
        PiattaformaProva piattaforma;
        VistaOrbetto vista(piattaforma, &area, quattroAste());
        int cambi = 0;
        vista.collegaBottoniAggiungiTogli([&cambi](Posto) { ++cambi; });
        area.show();
        QWidget *u = area.findChild<BottoneAsta *>(QStringLiteral("Bot_u"));
        QWidget *da = area.findChild<BottoneAsta *>(QStringLiteral("Bot_da"));
        QVERIFY(u && da);

        // A left press adds when it lifts; held half a second it takes one
        // off instead, and lifting it then adds nothing.
        QTest::mousePress(u, Qt::LeftButton);
        QCOMPARE(vista.conteggio(Posto::u), qint16(0));
        QTest::mouseRelease(u, Qt::LeftButton);
        QCOMPARE(vista.conteggio(Posto::u), qint16(1));
        QTest::mouseClick(u, Qt::LeftButton);
        QTest::mousePress(u, Qt::LeftButton);
        QVERIFY(static_cast<BottoneAsta *>(u)->isDown()); // the ring shows while held
        piattaforma.tieniPremuto();
        QCOMPARE(vista.conteggio(Posto::u), qint16(1));
        QTest::mouseRelease(u, Qt::LeftButton);
        QCOMPARE(vista.conteggio(Posto::u), qint16(1));
        // The right button still acts on its press.
        QTest::mousePress(u, Qt::RightButton);
        QCOMPARE(vista.conteggio(Posto::u), qint16(0));
        QTest::mouseRelease(u, Qt::RightButton);
        QTest::mouseClick(u, Qt::LeftButton);

        for (int i = 0; i < 12; ++i)
            QTest::mouseClick(u, Qt::LeftButton);
        QCOMPARE(vista.conteggio(Posto::u), qint16(9));
        QCOMPARE(mostrate(area, "u"), 9);
        QCOMPARE(cambi, 13); // 5 above, 8 here: presses on a full rod change nothing

        QTest::mouseClick(u, Qt::RightButton);
        QTest::mouseClick(u, Qt::MiddleButton);
        QCOMPARE(vista.conteggio(Posto::u), qint16(7));
        QCOMPARE(mostrate(area, "u"), 7);

        // A double click: the second press arrives as a double-click event.
        QTest::mouseClick(da, Qt::LeftButton);
        QTest::mouseDClick(da, Qt::LeftButton);
        QTest::mouseRelease(da, Qt::LeftButton); // QTest sends the double click alone
        QCOMPARE(vista.conteggio(Posto::da), qint16(2));

        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(da, Qt::RightButton);
        QCOMPARE(vista.conteggio(Posto::da), qint16(0));
        QCOMPARE(mostrate(area, "da"), 0);
        QCOMPARE(vista.ValoreOrbetto(), 7);
    }

    void svuotaNascondeOgniPallina()
    {
        QWidget area;
        PiattaformaProva piattaforma;
        VistaOrbetto vista(piattaforma, &area, quattroAste());
        for (Posto p : {Posto::k, Posto::h, Posto::da, Posto::u})
            vista.ImpostaPalline(p, 9);
        QCOMPARE(vista.ValoreOrbetto(), 9999);
        QCOMPARE(mostrate(area, "k") + mostrate(area, "h") + mostrate(area, "da") + mostrate(area, "u"), 36);
        vista.SvuotaOrbetto();
        QCOMPARE(vista.ValoreOrbetto(), 0);
        QCOMPARE(mostrate(area, "k") + mostrate(area, "h") + mostrate(area, "da") + mostrate(area, "u"), 0);
    }

    void postiDiUnAstaLunga()
    {
        QWidget area;
        auto g = quattroAste();
        g[3].posti = 19;
        g[3].posto9 = {g[3].pallina0.x(), 1470};
        g[3].secondaColonnaX = g[3].pallina0.x() - 420;
        g[3].prolungaAlto = {g[3].filoAlto.x(), 1530};
        g[3].prolungaBasso = g[3].filoAlto;
        PiattaformaProva piattaforma;
        VistaOrbetto vista(piattaforma, &area, g);
        // Place 9 on top of the rod, 10 to 18 beside places 0 to 8, lighter.
        QCOMPARE(vista.altoPosto(Posto::u, 9), 1470);
        QCOMPARE(vista.altoPosto(Posto::u, 12), vista.altoPosto(Posto::u, 2));
        QVERIFY(vista.pallina(Posto::u, 12)->x() < vista.pallina(Posto::u, 2)->x());
        QCOMPARE(vista.pallina(Posto::u, 8)->colore(), QColor(0, 0, 255));
        QCOMPARE(vista.pallina(Posto::u, 9)->colore(), QColor(128, 128, 255));
        QCOMPARE(vista.numeroFili(), 5);
        // A 9-place rod has no place 9: a line "above place 8" lies one step up.
        QCOMPARE(vista.altoPosto(Posto::da, 9), vista.altoPosto(Posto::da, 8) - passoPalline);
    }
};

QTEST_MAIN(TestOrbetto)
#include "test_orbetto.moc"
