// SPDX-License-Identifier: GPL-3.0-or-later
// Subtractions with the borrow (Form99d, Form999d), and additions and
// subtractions without exchange (Form99c1, Form99d1).
#include "worksheets/FormStampa.h"
#include "Banco.h"
#include "Pitture.h"
#include "abacus/VistaOrbetto.h"
#include "arithmetic/Addizioni.h"
#include "arithmetic/Estrazioni.h"
#include "arithmetic/Sottrazioni.h"
#include "framework/Applicazione.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

FinestraAritmetica *apri(Banco &b, const char *bottone, QList<double> valori, bool attende = false)
{
    b.finoAlMenu();
    if (!attende)
        b.clic(QStringLiteral("Option1(0)"));
    b.piattaforma.valori = valori;
    b.clic(QString::fromLatin1(bottone));
    return qobject_cast<FinestraAritmetica *>(b.principale());
}

// Form99d with somma - secondo forced (primo = somma - secondo).
FinestraAritmetica *apri99d(Banco &b, int somma, int secondo)
{
    const int primo = somma - secondo;
    return apri(b, "Command25", {0.0, valore(somma - 10, 89), somma == 10 ? 0.5 : valore(primo - 5, somma - 10)});
}

void clic(Banco &b, const char *bottone, int volte)
{
    for (int i = 0; i < volte; ++i)
        b.clic(QString::fromLatin1(bottone));
}

int conteggio(FinestraAritmetica *f, Posto p)
{
    return f->orbetto().conteggio(p);
}

} // namespace

class TestSottrazioni : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { preparaApplicazione(*qApp); }

    void senzaCambioMaiRiportiNePrestiti()
    {
        Banco b;
        int somme[100] = {};
        for (int i = 0; i < 10000; ++i) {
            const Operazione o = estraiSenzaCambio(b.ctx);
            QVERIFY(o.primo >= 1 && o.secondo >= 1);
            QCOMPARE(o.primo + o.secondo, int(o.somma));
            QVERIFY2(o.primo % 10 + o.secondo % 10 <= 9, "a carry in the units");
            QVERIFY2(o.primo / 10 + o.secondo / 10 <= 9, "a carry in the tens");
            QVERIFY(o.somma % 10 >= o.secondo % 10 && o.somma / 10 >= o.secondo / 10); // no borrow
            ++somme[o.somma];
        }
        QCOMPARE(somme[1] + somme[10] + somme[11], 0);
        QVERIFY(somme[99] > 0 && somme[2] > 0);
    }

    void sommeSenzaPrimoNumeroSiRiestraggono()
    {
        Banco b;
        // Sums 1, 10 and 11 admit no first number: a new sum is drawn.
        b.piattaforma.valori = {valore(0, 10), valore(1, 10), valore(1, 10), valore(0, 10),
                                valore(1, 10), valore(1, 10), valore(4, 10), valore(7, 10), 0.3, 0.75};
        const Operazione o = estraiSenzaCambio(b.ctx);
        QCOMPARE(o.somma, qint16(47));
        QCOMPARE(o.primo, qint16(15));
        QCOMPARE(o.secondo, qint16(32));
        QVERIFY(b.piattaforma.valori.isEmpty());
    }

    void cinquantaduMenoVentisette()
    {
        Banco b;
        FinestraAritmetica *f = apri99d(b, 52, 27);
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral(" 52 -  27 = "));
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("inserisci il numero  52 premendo i bottoni +da  e +u"));
        clic(b, "Bot_da", 5);
        clic(b, "Bot_u", 2);
        QCOMPARE(b.testo(QStringLiteral("Label5")),
                 QStringLiteral("togli il numero  27 con i bottoni  -da  e -u. Esegui il cambio se necessario"));
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(b.piattaforma.pause, QList<double>(18, 0.3));
        QCOMPARE(conteggio(f, Posto::da), 4);
        QCOMPARE(conteggio(f, Posto::u), 12);
        for (int i = 0; i < 19; ++i)
            QCOMPARE(mostrata(b, QStringLiteral("pal_u(%1)").arg(i)), i < 12);
        QVERIFY(!mostrata(b, QStringLiteral("pal_da(4)")));
        QCOMPARE(b.testo(QStringLiteral("Label3")), QStringLiteral(" 12"));
        QVERIFY(!b.trova<QPushButton>(QStringLiteral("BottoneCambio"))->isEnabled());
        clic(b, "Command2", 7);
        clic(b, "Command1", 2);
        QCOMPARE(f->orbetto().ValoreOrbetto(), 25);
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("scrivi il risultato"));
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        scrivi(b, QStringLiteral("25"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
    }

    // Every state of the borrow reaches the screen before its pause.
    void ogniStatoDelPrestitoSiVede()
    {
        Banco b;
        FinestraAritmetica *f = apri99d(b, 52, 27);
        clic(b, "Bot_da", 5);
        clic(b, "Bot_u", 2);
        int pause = 0;
        const QStringList mancate =
            nonDipintiAllePause(b.piattaforma, f->area(), [&] { b.clic(QStringLiteral("BottoneCambio")); }, pause);
        QCOMPARE(pause, 18);
        QCOMPARE(mancate, QStringList());
        QCOMPARE(conteggio(f, Posto::u), 12);
    }

    void prestitoRifiutato()
    {
        Banco b;
        FinestraAritmetica *f = apri99d(b, 52, 27);
        clic(b, "Bot_u", 12);
        b.clic(QStringLiteral("BottoneCambio")); // no tens to break
        QCOMPARE(b.ctx.punteggio.errati(), qint16(1));
        clic(b, "Bot_da", 1);
        b.clic(QStringLiteral("BottoneCambio")); // twelve units already
        QCOMPARE(b.ctx.punteggio.errati(), qint16(2));
        QCOMPARE(b.piattaforma.nomiSuoni().count(QStringLiteral("no.wav")), 2);
        QCOMPARE(conteggio(f, Posto::u), 12);
        QCOMPARE(conteggio(f, Posto::da), 1);
        QVERIFY(b.piattaforma.pause.isEmpty());
        QVERIFY(b.trova<QPushButton>(QStringLiteral("BottoneCambio"))->isEnabled());
    }

    void unPrestitoAncheSenzaBisogno()
    {
        Banco b;
        FinestraAritmetica *f = apri99d(b, 98, 93);
        clic(b, "Bot_da", 9);
        clic(b, "Bot_u", 8);
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(conteggio(f, Posto::da), 8);
        QCOMPARE(conteggio(f, Posto::u), 18);
        QVERIFY(mostrata(b, QStringLiteral("pal_u(17)")) && !mostrata(b, QStringLiteral("pal_u(18)")));
        // "Ricomincia" leaves the result box as it is.
        clic(b, "Command1", 8);
        clic(b, "Command2", 13);
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        b.clic(QStringLiteral("Bot_ricomincia"));
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        QVERIFY(b.trova<QPushButton>(QStringLiteral("BottoneCambio"))->isEnabled());
        QCOMPARE(f->orbetto().ValoreOrbetto(), 0);
    }

    void form999dRisultatoZero()
    {
        Banco b;
        FinestraAritmetica *f = apri(b, "Command7", {0.0, valore(6, 999), valore(0, 7)});
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral(" 7 -  7 = "));
        QCOMPARE(b.testo(QStringLiteral("Label6")),
                 QStringLiteral(" Inserisci il primo numero premendo sui bottoni +h  +da  +u"));
        clic(b, "Bot_u", 7);
        QCOMPARE(b.testo(QStringLiteral("Label6")),
                 QStringLiteral(" Togli le palline da eliminare cliccando sui bottoni -h  -da  -u.     "
                                "Esegui se necessario il cambio."));
        clic(b, "Command3", 7);
        QCOMPARE(b.testo(QStringLiteral("Label6")), QStringLiteral("Inserisci il risultato"));
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        scrivi(b, QStringLiteral("0"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(1));
        Q_UNUSED(f);
    }

    void form999dIlRisultatoConUnPiuNonBasta()
    {
        Banco b;
        FinestraAritmetica *f = apri(b, "Command7", {0.0, valore(9, 999), valore(7, 10)});
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral(" 10 -  3 = "));
        clic(b, "Bot_da", 1);
        clic(b, "Command2", 1); // all taken away
        clic(b, "Bot_u", 7);    // 7 reached with a "+": no box yet
        QCOMPARE(f->orbetto().ValoreOrbetto(), 7);
        QVERIFY(!mostrata(b, QStringLiteral("Text1")));
        clic(b, "Bot_u", 1);
        clic(b, "Command3", 1);
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        b.clic(QStringLiteral("Bot_ricomincia"));
        QCOMPARE(b.testo(QStringLiteral("Label6")),
                 QString::fromUtf8(" Inserisci il primo numero premendo sui bottoni di centinaia, decine ed unità."));
        // Breaking a hundred into ten tens; refused with a beep when not allowed.
        clic(b, "Bot_h", 1);
        b.clic(QStringLiteral("BottoneCambio2"));
        QCOMPARE(conteggio(f, Posto::h), 0);
        QCOMPARE(conteggio(f, Posto::da), 10);
        QCOMPARE(b.testo(QStringLiteral("Label4")), QStringLiteral(" 10"));
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(conteggio(f, Posto::u), 10);
        b.clic(QStringLiteral("Bot_ricomincia"));
        b.clic(QStringLiteral("BottoneCambio"));
        QCOMPARE(b.piattaforma.beep_, 1);
        QCOMPARE(b.ctx.punteggio.errati(), qint16(1));
    }

    void form99c1MaiIlCambioSulloSchermo()
    {
        Banco b;
        FinestraAritmetica *f = apri(b, "Command8", {0.0, valore(4, 10), valore(7, 10), 0.3, 0.75});
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral(" 15 +  32 = "));
        QVERIFY(!b.trova<QPushButton>(QStringLiteral("BottoneCambio")));
        for (int giro = 0; giro < 50; ++giro) {
            const int primo = b.operazione().primo, secondo = b.operazione().secondo;
            clic(b, "Bot_da", primo / 10);
            clic(b, "Bot_u", primo % 10);
            QCOMPARE(b.testo(QStringLiteral("Label5")),
                     QStringLiteral("aggiungi il numero ") + QString::number(secondo).prepend(QLatin1Char(' ')) +
                         QStringLiteral(" nell'orbetto"));
            clic(b, "Bot_da", secondo / 10);
            clic(b, "Bot_u", secondo % 10);
            QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("Scrivi il risultato"));
            QCOMPARE(qobject_cast<AddizioneGuidata *>(f)->fase(), 4);
            scrivi(b, QString::number(b.operazione().somma));
        }
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(50));
    }

    void quarantasetteMenoTrentadue()
    {
        Banco b;
        FinestraAritmetica *f = apri(b, "Command9", {0.0, valore(4, 10), valore(7, 10), 0.3, 0.75});
        QCOMPARE(b.testo(QStringLiteral("EtichettaNumero")), QStringLiteral(" 47 -  32 = "));
        clic(b, "Bot_da", 4);
        clic(b, "Bot_u", 7);
        QCOMPARE(b.testo(QStringLiteral("Label5")), QStringLiteral("togli il numero  32 con i bottoni  -da  e -u. "));
        clic(b, "Command1", 3);
        clic(b, "Command2", 2);
        QCOMPARE(f->orbetto().ValoreOrbetto(), 15);
        QVERIFY(mostrata(b, QStringLiteral("Text1")));
        QCOMPARE(b.piattaforma.nomiSuoni(), QStringList(2, QStringLiteral("si.wav")));
        // Every return to the result repeats the step, tick included.
        clic(b, "Command2", 1);
        clic(b, "Bot_u", 1);
        QCOMPARE(b.piattaforma.nomiSuoni().size(), 3);
        clic(b, "Bot_u", 9); // a rod of nine places: the extra presses are ignored
        QCOMPARE(conteggio(f, Posto::u), 9);
        QVERIFY(!b.trova<QPushButton>(QStringLiteral("BottoneCambio")));
    }

    void stampaImpostaIlTipoDiScheda_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<QString>("voce");
        QTest::addColumn<int>("tipo");
        QTest::newRow("Form99c") << "Command20" << "mnustampa" << 15;
        QTest::newRow("Form99c1") << "Command8" << "mnustampa" << 16;
        QTest::newRow("Form99d") << "Command25" << "mnuStampa" << 17;
        QTest::newRow("Form99d1") << "Command9" << "mnuStampa" << 18;
    }
    void stampaImpostaIlTipoDiScheda()
    {
        QFETCH(QString, bottone);
        QFETCH(QString, voce);
        QFETCH(int, tipo);
        Banco b;
        b.apri(bottone);
        b.menu(voce);
        auto *composer = qobject_cast<FormStampa *>(b.nav().affiancata(QStringLiteral("formStampa")));
        QVERIFY(composer);
        QCOMPARE(int(composer->tipoScheda()), tipo);
    }
};

QTEST_MAIN(TestSottrazioni)
#include "test_sottrazioni.moc"
