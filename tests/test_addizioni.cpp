// SPDX-License-Identifier: GPL-3.0-or-later
// Column additions with the exchange: Form99c guided, Form999c free.
#include "Banco.h"
#include "Pitture.h"
#include "abacus/Disegni.h"
#include "abacus/VistaOrbetto.h"
#include "arithmetic/Addizioni.h"
#include "arithmetic/Estrazioni.h"
#include "framework/Applicazione.h"
#include "framework/Geometria.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

namespace {

// Opens Form99c with the operation primo + secondo forced.
FinestraAritmetica *apri99(Banco &b, int primo, int secondo, bool attende = false)
{
    b.finoAlMenu();
    if (!attende)
        b.clic(QStringLiteral("Option1(0)"));
    const int somma = primo + secondo;
    b.piattaforma.valori = {0.0, valore(somma - 10, 89), somma == 10 ? 0.5 : valore(primo - 5, somma - 10)};
    b.clic(QStringLiteral("Command20"));
    return qobject_cast<FinestraAritmetica *>(b.principale());
}

FinestraAritmetica *apri999(Banco &b, int primo, int secondo, bool attende = false)
{
    b.finoAlMenu();
    if (!attende)
        b.clic(QStringLiteral("Option1(0)"));
    const int somma = primo + secondo;
    b.piattaforma.valori = {0.0, valore(somma - 1, 999), valore(primo, somma)};
    b.clic(QStringLiteral("Command4"));
    return qobject_cast<FinestraAritmetica *>(b.principale());
}

void premi(Banco &b, const char *bottone, int volte, Qt::MouseButton tasto = Qt::LeftButton)
{
    auto *w = b.trova<BottoneAsta>(QString::fromLatin1(bottone));
    QVERIFY(w);
    for (int i = 0; i < volte; ++i)
        QTest::mouseClick(w, tasto);
}

int conteggio(FinestraAritmetica *f, Posto p)
{
    return f->orbetto().conteggio(p);
}

} // namespace

class TestAddizioni : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { preparaApplicazione(*qApp); }

    void estrazioniNeiLimiti()
    {
        Banco b;
        for (int i = 0; i < 20000; ++i) {
            const Operazione o = estraiConCambio99(b.ctx);
            QVERIFY(o.somma >= 10 && o.somma <= 98);
            QVERIFY(o.primo >= 5 && (o.primo <= o.somma - 6 || o.somma == 10));
            QCOMPARE(o.primo + o.secondo, int(o.somma));
            const Operazione p = estraiConCambio999(b.ctx);
            QVERIFY(p.somma >= 1 && p.somma <= 999);
            QVERIFY(p.primo >= 0 && p.primo < p.somma);
            QCOMPARE(p.primo + p.secondo, int(p.somma));
        }
    }

    void sommaDieciConIlCambio()
    {
        Banco b;
        FinestraAritmetica *f = apri99(b, 5, 5);
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral(" 5 +  5 = "));
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("inserisci il numero  5 nell'orbetto"));
        premi(b, "Bot_u", 5);
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("aggiungi il numero  5 nell'orbetto"));
        QVERIFY(mostrata(b, QStringLiteral("Line1")) && mostrata(b, QStringLiteral("Line2")));
        premi(b, "Bot_u", 5);
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("Esegui il cambio"));
        QCOMPARE(b.testo(QStringLiteral("Label3")), QStringLiteral(" 10"));
        auto *decima = b.trova<Pallina>(QStringLiteral("pal_u(9)"));
        QVERIFY(!decima->isHidden());
        QCOMPARE(decima->colore(), QColor(128, 128, 255));
        QVERIFY(b.trova<Pallina>(QStringLiteral("pal_u(9)"))->y() < b.trova<Pallina>(QStringLiteral("pal_u(8)"))->y());
        QVERIFY(!mostrata(b, QStringLiteral("Text1")));
        QCOMPARE(b.piattaforma.nomiSuoni(), QStringList(2, QStringLiteral("si.wav")));

        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(b.piattaforma.pause, QList<double>(13, 0.3));
        QCOMPARE(conteggio(f, Posto::da), 1);
        QCOMPARE(conteggio(f, Posto::u), 0);
        QVERIFY(!b.trova<QPushButton>(QStringLiteral("BottoneCambio"))->isEnabled());
        QVERIFY(!mostrata(b, QStringLiteral("pal_u(9)")) && mostrata(b, QStringLiteral("pal_da(0)")));
        QCOMPARE(b.testo(QStringLiteral("Label4")), QStringLiteral(" 1"));
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("Scrivi il risultato"));
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        scrivi(b, QStringLiteral("10"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
    }

    void senzaRiportoSaltaIlCambio()
    {
        Banco b;
        apri99(b, 5, 93);
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral(" 5 +  93 = "));
        premi(b, "Bot_u", 5);
        premi(b, "Bot_da", 9);
        premi(b, "Bot_u", 3);
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("Scrivi il risultato"));
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(b.ctx.punteggio.errati(), qint16(1));
        QCOMPARE(b.piattaforma.nomiSuoni().last(), QStringLiteral("no.wav"));
        QVERIFY(b.piattaforma.pause.isEmpty());
        QVERIFY(b.trova<QPushButton>(QStringLiteral("BottoneCambio"))->isEnabled());
    }

    void primoNumeroConQuattordiciUnita()
    {
        Banco b;
        FinestraAritmetica *f = apri99(b, 34, 27);
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral(" 34 +  27 = "));
        premi(b, "Bot_da", 2);
        premi(b, "Bot_u", 14);
        QCOMPARE(qobject_cast<AddizioneGuidata *>(f)->fase(), 2);
        for (int i = 10; i <= 13; ++i)
            QVERIFY(mostrata(b, QStringLiteral("pal_u(%1)").arg(i)));
        QVERIFY(b.trova<Pallina>(QStringLiteral("pal_u(10)"))->x() < b.trova<Pallina>(QStringLiteral("pal_u(0)"))->x());
        // The units marker stands level with the top of four beads.
        QCOMPARE(geo::px(b.trova<Linea>(QStringLiteral("Line1"))->inizio().y()),
                 b.trova<Pallina>(QStringLiteral("pal_u(4)"))->geometry().bottom() + 1);
    }

    void cambioAnticipatoUnaVoltaSola()
    {
        Banco b;
        FinestraAritmetica *f = apri99(b, 34, 27);
        premi(b, "Bot_u", 12);
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(conteggio(f, Posto::da), 1);
        QCOMPARE(conteggio(f, Posto::u), 2);
        QVERIFY(!b.trova<QPushButton>(QStringLiteral("BottoneCambio"))->isEnabled());
        premi(b, "Bot_u", 9);
        b.clic(QStringLiteral("BottoneCambio")); // disabled: nothing happens
        QCOMPARE(conteggio(f, Posto::u), 11);
        b.clic(QStringLiteral("Bot_ricomincia"));
        QVERIFY(b.trova<QPushButton>(QStringLiteral("BottoneCambio"))->isEnabled());
        QCOMPARE(f->orbetto().ValoreOrbetto(), 0);
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("inserisci il numero  34 nell'orbetto"));
    }

    void cambioRifiutatoSenzaPostoSopra()
    {
        Banco b;
        FinestraAritmetica *f = apri99(b, 90, 8);
        premi(b, "Bot_da", 9);
        premi(b, "Bot_u", 12);
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(conteggio(f, Posto::da), 9);
        QCOMPARE(conteggio(f, Posto::u), 12);
        QCOMPARE(b.ctx.punteggio.errati(), qint16(0));
        QVERIFY(b.piattaforma.pause.isEmpty());
        // The tens marker for a 9 lies where a place 9 would be, one step
        // above place 8 (5355 twips for place 0, 420 a step, beads 435 high).
        QCOMPARE(b.trova<Linea>(QStringLiteral("Line2"))->inizio().y(), 5355 - 9 * 420 + 435);
    }

    void risultatoLettoComeNumero()
    {
        Banco b;
        FinestraAritmetica *f = apri99(b, 34, 27, true);
        premi(b, "Bot_da", 3);
        premi(b, "Bot_u", 4);
        premi(b, "Bot_da", 2);
        premi(b, "Bot_u", 7);
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(f->orbetto().ValoreOrbetto(), 61);
        scrivi(b, QStringLiteral("61.5"));
        scrivi(b, QStringLiteral(""));
        QCOMPARE(b.ctx.punteggio.errati(), qint16(1));
        scrivi(b, QStringLiteral("6 1"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        // Waiting: the box is read-only, "avanti" enabled; beads still move.
        auto *box = b.trova<QLineEdit>(QStringLiteral("Text1"));
        QVERIFY(box->isReadOnly() && b.trova<QPushButton>(QStringLiteral("BottoneAvanti"))->isEnabled());
        premi(b, "Bot_u", 1, Qt::RightButton);
        premi(b, "Bot_u", 1);
        QVERIFY(box->text().isEmpty() && !box->isHidden() && box->isReadOnly());
        // "Ricomincia" lets the same operation be built and answered again.
        b.clic(QStringLiteral("Bot_ricomincia"));
        QVERIFY(!box->isReadOnly() && box->isHidden());
        QVERIFY(b.trova<QPushButton>(QStringLiteral("BottoneAvanti"))->isEnabled());
        premi(b, "Bot_da", 3);
        premi(b, "Bot_u", 4);
        premi(b, "Bot_da", 2);
        premi(b, "Bot_u", 7);
        b.clic(QStringLiteral("BottoneCambio"));
        scrivi(b, QStringLiteral("61"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(2));
        b.piattaforma.valori = {0.0, valore(40, 89), 0.0};
        b.clic(QStringLiteral("BottoneAvanti"));
        QVERIFY(!box->isReadOnly() && box->isHidden());
        QVERIFY(!b.trova<QPushButton>(QStringLiteral("BottoneAvanti"))->isEnabled());
        QCOMPARE(b.operazione().somma, qint16(50));
    }

    void automaticoPassaSubitoAlla()
    {
        Banco b;
        FinestraAritmetica *f = apri99(b, 5, 93);
        premi(b, "Bot_da", 9);
        premi(b, "Bot_u", 8);
        b.piattaforma.valori = {0.0, valore(2, 18), valore(30, 89), 0.0};
        scrivi(b, QStringLiteral("98"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        QCOMPARE(f->orbetto().ValoreOrbetto(), 0);
        QCOMPARE(b.operazione().somma, qint16(40));
        QCOMPARE(b.principale()->sfondo(), QColor(255, 128, 0));
        QVERIFY(mostrata(b, QStringLiteral("ComandoIconaSi")));
        QVERIFY(!mostrata(b, QStringLiteral("Text1")));
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("inserisci il numero  5 nell'orbetto"));
    }

    // Every state of the exchange reaches the screen before its pause.
    void ogniStatoDelCambioSiVede()
    {
        Banco b;
        FinestraAritmetica *f = apri99(b, 5, 5);
        premi(b, "Bot_u", 10);
        int pause = 0;
        const QStringList mancate =
            nonDipintiAllePause(b.piattaforma, f->area(), [&] { b.clic(QStringLiteral("BottoneCambio")); }, pause);
        QCOMPARE(pause, 13);
        QCOMPARE(mancate, QStringList());
        QCOMPARE(conteggio(f, Posto::da), 1);
    }

    void clicDuranteLAnimazioneNonFannoNulla()
    {
        Banco b;
        FinestraAritmetica *f = apri99(b, 5, 5);
        premi(b, "Bot_u", 10);
        auto *u = b.trova<BottoneAsta>(QStringLiteral("Bot_u"));
        b.piattaforma.durantePausa = [&] {
            QVERIFY(f->animazioneInCorso());
            QTest::mouseClick(u, Qt::LeftButton);
            QTest::mousePress(u, Qt::RightButton);
            b.clic(QStringLiteral("Bot_ricomincia"));
            b.clic(QStringLiteral("BottoneCambio"));
            QVERIFY(!f->menuBar()->isEnabled());
        };
        b.clic(QStringLiteral("BottoneCambio"));
        b.piattaforma.durantePausa = nullptr;
        QCOMPARE(b.piattaforma.pause.size(), 13);
        QCOMPARE(conteggio(f, Posto::da), 1);
        QCOMPARE(conteggio(f, Posto::u), 0);
        QVERIFY(!f->animazioneInCorso());
        QVERIFY(f->menuBar()->isEnabled());
        QCOMPARE(b.principale(), f);
        for (int i = 0; i < 19; ++i)
            QVERIFY(!mostrata(b, QStringLiteral("pal_u(%1)").arg(i)));
    }

    // The title bar during an exchange asks as "Esci" does: No lets the
    // exchange finish, Yes leaves it half done and nothing of it runs later.
    void chiusuraDuranteLAnimazione()
    {
        Banco b;
        b.piattaforma.passiManuali = true;
        FinestraAritmetica *f = apri99(b, 5, 5);
        premi(b, "Bot_u", 10);
        b.clic(QStringLiteral("BottoneCambio"));
        QVERIFY(f->animazioneInCorso());
        for (int i = 0; i < 4; ++i)
            QVERIFY(b.piattaforma.eseguiPasso());
        f->close();
        QCOMPARE(b.piattaforma.box.size(), 1);
        QCOMPARE(b.piattaforma.box.first().testo, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(b.principale(), f);
        while (b.piattaforma.eseguiPasso()) {
        }
        QCOMPARE(conteggio(f, Posto::da), 1);

        premi(b, "Bot_u", 10);
        b.trova<QPushButton>(QStringLiteral("Bot_ricomincia"))->click();
        premi(b, "Bot_u", 10);
        b.clic(QStringLiteral("BottoneCambio"));
        QVERIFY(b.piattaforma.eseguiPasso());
        QPointer<FinestraAritmetica> vecchia = f;
        b.piattaforma.risposte = {true};
        vecchia->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(vecchia.isNull());
        QCOMPARE(b.principale()->objectName(), QStringLiteral("FormMenu"));
        while (b.piattaforma.eseguiPasso()) {
        }
        // The next window works.
        b.piattaforma.passiManuali = false;
        b.piattaforma.valori = {0.0, valore(0, 89), 0.5};
        b.clic(QStringLiteral("Command20"));
        premi(b, "Bot_u", 10);
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(conteggio(qobject_cast<FinestraAritmetica *>(b.principale()), Posto::da), 1);
    }

    void form999cSegniEPrimoZero()
    {
        Banco b;
        FinestraAritmetica *f = apri999(b, 0, 7);
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral(" 0 +  7 = "));
        for (const char *linea : {"Line1", "Line2", "Line3"})
            QVERIFY(!mostrata(b, QString::fromLatin1(linea)));
        premi(b, "Bot_h", 1);
        QVERIFY(mostrata(b, QStringLiteral("Line3")) && !mostrata(b, QStringLiteral("Line1")));
        // At the foot of the rod: level with the top of bead place 0, plus one bead.
        QCOMPARE(geo::px(b.trova<Linea>(QStringLiteral("Line3"))->inizio().y()),
                 b.trova<Pallina>(QStringLiteral("pal_h(0)"))->geometry().bottom() + 1);
        premi(b, "Bot_h", 1, Qt::RightButton);
        premi(b, "Bot_u", 7);
        QVERIFY(mostrata(b, QStringLiteral("Line1")));
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        QCOMPARE(b.testo(QStringLiteral("Label3")), QStringLiteral(" 7"));
        scrivi(b, QStringLiteral("7"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        Q_UNUSED(f);
    }

    void form999cDodiciUnitaNonBastano()
    {
        Banco b;
        FinestraAritmetica *f = apri999(b, 5, 7);
        premi(b, "Bot_u", 12);
        QCOMPARE(f->orbetto().ValoreOrbetto(), 12);
        QVERIFY(!mostrata(b, QStringLiteral("Text1")));
        b.clic(QStringLiteral("BottoneCambio2")); // fewer than ten tens: a beep
        QCOMPARE(b.ctx.punteggio.errati(), qint16(1));
        QCOMPARE(b.piattaforma.beep_, 1);
        QVERIFY(!b.piattaforma.nomiSuoni().contains(QStringLiteral("no.wav")));
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(conteggio(f, Posto::da), 1);
        QCOMPARE(conteggio(f, Posto::u), 2);
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        QCOMPARE(b.testo(QStringLiteral("Label4")), QStringLiteral(" 1"));
    }

    void form999cCambioDelleDecine()
    {
        Banco b;
        FinestraAritmetica *f = apri999(b, 450, 60);
        premi(b, "Bot_h", 4);
        premi(b, "Bot_da", 11);
        b.clic(QStringLiteral("BottoneCambio2"));
        QCOMPARE(conteggio(f, Posto::h), 5);
        QCOMPARE(conteggio(f, Posto::da), 1);
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral(" 5"));
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        QVERIFY(!b.trova<QPushButton>(QStringLiteral("BottoneCambio2"))->isEnabled());
        // Nine hundreds and ten tens: no place for a tenth hundred.
        b.clic(QStringLiteral("Bot_ricomincia"));
        premi(b, "Bot_h", 9);
        premi(b, "Bot_da", 10);
        b.clic(QStringLiteral("BottoneCambio2"));
        QCOMPARE(conteggio(f, Posto::h), 9);
        QCOMPARE(conteggio(f, Posto::da), 10);
    }
};

QTEST_MAIN(TestAddizioni)
#include "test_addizioni.moc"
