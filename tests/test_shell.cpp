// SPDX-License-Identifier: GPL-3.0-or-later
// Start screen, menu, exit and information boxes, window activation, and the
// feedback every judging window gives.
#include "Banco.h"
#include "app/RigaDiComando.h"
#include "app/Catalogo.h"
#include "framework/Faccia.h"
#include "framework/Applicazione.h"
#include "framework/Colori.h"
#include "app/FormMenu.h"
#include "framework/PiattaformaQt.h"
#include "framework/Riscontro.h"

#include <QCloseEvent>
#include <QPainter>
#include <QBuffer>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>

#include <condition_variable>
#include <mutex>

namespace {

// A side window that counts its activations.
class FinestraContata : public FinestraProgramma
{
public:
    FinestraContata(Contesto &c, const QString &nome) : FinestraProgramma(c, nome, 3000, 2000, Ruolo::Affiancata) {}
    void attivata() override { ++attivazioni; }
    int attivazioni = 0;

protected:
    void richiestaChiusura() override { chiudi(); }
};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        preparaApplicazione(*qApp);
    }

    void messaggiInItaliano()
    {
        // The message boxes' buttons read "Sì" and "No".
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8("&Sì"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&No"));
    }

    void avvioMostraLaSchermataIniziale()
    {
        Banco b;
        b.ctx.NumeroMassimo = 5;
        b.nav().Avvio();
        QCOMPARE(b.principale()->objectName(), QStringLiteral("FormAvvio"));
        QVERIFY(b.ctx.AttendiBottone);
        QCOMPARE(b.ctx.NumeroMassimo, qint16(99));
        QCOMPARE(b.piattaforma.risemine, 1);
        QCOMPARE(b.testo(QStringLiteral("Label2(0)")), QStringLiteral("Uso dell'orbetto"));
        QCOMPARE(b.testo(QStringLiteral("Label2(1)")), QStringLiteral("Esercitazioni matematiche"));
    }

    // The start screen in the program's own face, whatever fontconfig
    // offers (the "caratteri_rifiutati" run hides the system's copy).
    void caratteriDelProgramma()
    {
        Banco b;
        b.nav().Avvio();
        const auto *titolo = b.principale()->findChild<QLabel *>(QStringLiteral("Label2(0)"));
        QVERIFY(titolo);
        QCOMPARE(QFontInfo(titolo->font()).family(), QStringLiteral("Comic Neue"));
    }

    void avvioApreIlMenuEChiudeLaSchermata()
    {
        Banco b;
        b.nav().Avvio();
        QPointer<FinestraProgramma> avvio = b.principale();
        b.clic(QStringLiteral("BottoneAvvio"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!avvio);
        QCOMPARE(b.principale()->objectName(), QStringLiteral("FormMenu"));
        QCOMPARE(b.nav().aperte().size(), 1);
        // The start screen chose "wait for the button".
        QVERIFY(b.trova<QRadioButton>(QStringLiteral("Option1(1)"))->isChecked());
        QVERIFY(!b.trova<QRadioButton>(QStringLiteral("Option1(0)"))->isChecked());
    }

    void sceltaAvanzamentoCambiaAttendiBottone()
    {
        Banco b;
        b.finoAlMenu();
        b.clic(QStringLiteral("Option1(0)"));
        QVERIFY(!b.ctx.AttendiBottone);
        b.clic(QStringLiteral("Option1(1)"));
        QVERIFY(b.ctx.AttendiBottone);
    }

    void menuCostruitoDiNuovoMostraLaSceltaCorrente()
    {
        Banco b;
        b.finoAlMenu();
        b.clic(QStringLiteral("Option1(0)"));
        // Coming back to the menu builds it anew with a new colour.
        b.piattaforma.valori = {6.5 / 14};
        b.nav().mostraPrincipale(new FormMenu(b.ctx));
        QVERIFY(b.trova<QRadioButton>(QStringLiteral("Option1(0)"))->isChecked());
        QVERIFY(!b.ctx.AttendiBottone);
        // The draw that would give entry 7 gives entry 6.
        QCOMPARE(b.principale()->sfondo(), coloreTavolozza(6));
    }

    void esciConNoNonCambiaNulla()
    {
        Banco b;
        b.finoAlMenu();
        FinestraProgramma *menu = b.principale();
        const QColor colore = menu->sfondo();
        b.clic(QStringLiteral("Command1"));
        QCOMPARE(b.piattaforma.box.size(), 1);
        QCOMPARE(b.piattaforma.box[0].testo, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(b.piattaforma.box[0].titolo, QStringLiteral("Utilizzo dell'orbetto"));
        QVERIFY(b.piattaforma.box[0].domanda);
        QCOMPARE(b.principale(), menu);
        QCOMPARE(menu->sfondo(), colore);
        QVERIFY(b.ctx.AttendiBottone);
        QCOMPARE(b.piattaforma.terminazioni, 0);
    }

    void esciConSiChiudeOgniFinestra()
    {
        Banco b;
        b.finoAlMenu();
        QPointer<FinestraProgramma> menu = b.principale();
        b.piattaforma.risposte = {true};
        b.clic(QStringLiteral("Command1"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu);
        QVERIFY(b.nav().aperte().isEmpty());
        QVERIFY(b.nav().terminato());
        QCOMPARE(b.piattaforma.terminazioni, 1);
    }

    void chiusuraDallaBarraChiedeConferma()
    {
        Banco b;
        b.nav().Avvio();
        QVERIFY(!b.principale()->close()); // start screen: No keeps it
        QCOMPARE(b.piattaforma.box.last().testo, QStringLiteral("Vuoi uscire dal programma?"));
        b.clic(QStringLiteral("BottoneAvvio"));
        QVERIFY(!b.principale()->close());
        QCOMPARE(b.principale()->objectName(), QStringLiteral("FormMenu"));
        b.piattaforma.risposte = {true};
        QPointer<FinestraProgramma> menu = b.principale();
        menu->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu);
        QCOMPARE(b.piattaforma.terminazioni, 1);
    }

    // Sheets still waiting for the printer at exit: the question says how
    // many; waiting ends the program with the last sheet, a PDF keeps them.
    void uscitaConSchedeNonStampate()
    {
        QTemporaryDir cartella;
        const DisegnoStampa foglio = [](QPagedPaintDevice &d) {
            QPainter p;
            if (!p.begin(&d))
                return false;
            p.drawText(100, 100, QStringLiteral("scheda"));
            return p.end();
        };
        Banco b;
        b.finoAlMenu();
        auto &pf = b.piattaforma;
        pf.daStampare = {foglio, foglio};
        pf.scelte = {3, 0};
        QVERIFY(!b.nav().ConfermaUscita(b.principale())); // Annulla
        QCOMPARE(pf.box.last().testo, QStringLiteral("Vuoi uscire dal programma?\r\n2 schede non sono ancora state "
                                                     "stampate. [Esci dopo la stampa|Salva in PDF ed esci|Esci "
                                                     "senza stampare|Annulla]"));
        QVERIFY(!b.nav().ConfermaUscita(b.principale())); // waits for the printer
        QCOMPARE(pf.terminazioni, 0);
        pf.daStampare.pop_back();
        pf.avvisiStampe.esito(EsitoStampa::Stampata, 1);
        QCOMPARE(pf.terminazioni, 0);
        pf.daStampare.clear();
        pf.avvisiStampe.esito(EsitoStampa::Stampata, 0);
        QCOMPARE(pf.terminazioni, 1);
        QVERIFY(b.nav().terminato());

        Banco pdf;
        pdf.finoAlMenu();
        pdf.piattaforma.daStampare = {foglio, foglio};
        // A folder that is not there: nothing leaves the queue.
        pdf.piattaforma.scelte = {1, 1, 2};
        pdf.piattaforma.fileScelto = cartella.filePath(QStringLiteral("manca/lezione"));
        QVERIFY(!pdf.nav().ConfermaUscita(pdf.principale()));
        QVERIFY(pdf.piattaforma.box.last().testo.startsWith(QStringLiteral("Non è stato possibile salvare il file PDF:")));
        QVERIFY(pdf.piattaforma.box.last().testo.contains(QStringLiteral("La cartella non esiste.")));
        QCOMPARE(pdf.piattaforma.schedeDaStampare(), 2);
        pdf.piattaforma.fileScelto = cartella.filePath(QStringLiteral("lezione"));
        QVERIFY(pdf.nav().ConfermaUscita(pdf.principale()));
        const QStringList attesi = {cartella.filePath(QStringLiteral("lezione.pdf")),
                                    cartella.filePath(QStringLiteral("lezione-2.pdf"))};
        QCOMPARE(pdf.piattaforma.pdfScritti, attesi);
        for (const QString &f : attesi)
            QVERIFY(QFile(f).size() > 500);
        QCOMPARE(pdf.piattaforma.box.last().testo,
                 QStringLiteral("Le schede sono state salvate nei file:\r\n") + attesi.join(QStringLiteral("\r\n")));
        QCOMPARE(pdf.piattaforma.nomiProposti.last(), QStringLiteral("schede-2026-12-08.pdf"));
        QCOMPARE(pdf.piattaforma.terminazioni, 1);

        Banco lascia;
        lascia.finoAlMenu();
        lascia.piattaforma.daStampare = {foglio};
        lascia.piattaforma.scelte = {2};
        QVERIFY(lascia.nav().ConfermaUscita(lascia.principale()));
        QVERIFY(lascia.piattaforma.box.last().testo.contains(QStringLiteral("1 scheda non è ancora stata stampata.")));
    }

    // While the program runs the teacher hears of every sheet not printed
    // and of a printer that does not answer; a printed sheet says nothing.
    void avvisiDellaStampa()
    {
        Banco b;
        b.finoAlMenu();
        auto &pf = b.piattaforma;
        pf.box.clear();
        pf.avvisiStampe.esito(EsitoStampa::Stampata, 0);
        QVERIFY(pf.box.isEmpty());
        pf.avvisiStampe.ferma(3);
        pf.avvisiStampe.esito(EsitoStampa::NessunaStampante, 1);
        const QStringList testi = {
            QStringLiteral("La stampante non risponde.\r\n3 schede aspettano di essere stampate: saranno stampate "
                           "appena la stampante risponde."),
            QStringLiteral("La scheda non è stata stampata: su questo computer non è configurata nessuna stampante."),
        };
        QCOMPARE(pf.box.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(pf.box[i].testo, testi[i]);
            QVERIFY(!pf.box[i].domanda);
        }

        // Refused sheets are kept and asked about, counted when the box
        // shows: try again, later (the exit question counts them), or save.
        const DisegnoStampa foglio = [](QPagedPaintDevice &p) { return QPainter(&p).isActive(); };
        pf.box.clear();
        pf.daStampare = {foglio, foglio};
        pf.respinte = 2;
        pf.scelte = {0, 2};
        pf.avvisiStampe.esito(EsitoStampa::NonRiuscita, 2);
        QCOMPARE(pf.riprove, 2);
        pf.respinte = 1;
        pf.avvisiStampe.esito(EsitoStampa::NonRiuscita, 2);
        const QString uno = QStringLiteral("La stampante non ha accettato la scheda.\r\n1 scheda non è stata stampata: si "
                                           "può riprovare oppure salvarla in PDF. [Riprova|Salva in PDF|Più tardi]");
        QCOMPARE(pf.box.size(), 2);
        QCOMPARE(pf.box[0].testo, QStringLiteral("La stampante non ha accettato le schede.\r\n2 schede non sono state "
                                                 "stampate: si può riprovare oppure salvarle in PDF. "
                                                 "[Riprova|Salva in PDF|Più tardi]"));
        QCOMPARE(pf.box[1].testo, uno);
        QCOMPARE(pf.riprove, 2);
        // Exit after printing sends them again; a refusal then stops the exit.
        pf.scelte = {0};
        QVERIFY(!b.nav().ConfermaUscita(b.principale()));
        QVERIFY(pf.box.last().testo.contains(QStringLiteral("2 schede non sono ancora state stampate.")));
        QCOMPARE(pf.riprove, 3);
        pf.respinte = 1;
        pf.daStampare.pop_back();
        pf.avvisiStampe.esito(EsitoStampa::NonRiuscita, 1);
        pf.avvisiStampe.esito(EsitoStampa::Stampata, 0);
        QCOMPARE(pf.terminazioni, 0);
        QCOMPARE(pf.box.last().testo, uno);
    }

    // The real queue with a printer that holds the first sheet: the stall is
    // told once, and again for a sheet put behind it; when the printer
    // answers, every sheet is handed over once, in order.
    void codaConStampanteCheNonRisponde()
    {
        std::mutex m;
        std::condition_variable cv;
        bool risponde = false;
        QList<int> consegnati;
        Stampante scritta{
            .cerca = [] { return true; },
            .consegna =
                [&](const DisegnoStampa &foglio) {
                    std::unique_lock l(m);
                    cv.wait(l, [&] { return risponde; });
                    QBuffer nulla;
                    nulla.open(QIODevice::WriteOnly);
                    QPdfWriter pdf(&nulla);
                    l.unlock();
                    const bool fatto = foglio(pdf);
                    return fatto ? EsitoStampa::Stampata : EsitoStampa::NonRiuscita;
                },
        };
        QList<int> fermi;
        QList<std::pair<EsitoStampa, int>> esiti;
        auto coda = std::make_unique<CodaStampa>(scritta, std::chrono::milliseconds(50));
        coda->seguiCon({.esito = [&](EsitoStampa e, int n) { esiti.append({e, n}); },
                        .ferma = [&](int n) { fermi.append(n); }});
        const auto foglio = [&](int n) {
            return [&, n](QPagedPaintDevice &) {
                std::lock_guard l(m);
                consegnati.append(n);
                return n != 3; // the third does not paint
            };
        };
        for (int n = 1; n <= 3; ++n)
            coda->accoda(foglio(n));
        QTRY_COMPARE(fermi, QList<int>({3}));
        coda->accoda(foglio(4));
        QTRY_COMPARE(fermi, QList<int>({3, 4}));
        QTest::qWait(200);
        QCOMPARE(fermi.size(), 2);
        QCOMPARE(coda->inAttesa(), 4);
        // Taking back the fourth: the others stay.
        const auto copie = coda->fogli();
        QCOMPARE(copie.size(), std::size_t(4));
        coda->ritira({copie[3].numero});
        QCOMPARE(coda->inAttesa(), 3);
        {
            std::lock_guard l(m);
            risponde = true;
        }
        cv.notify_all();
        QTRY_COMPARE(esiti.size(), 3);
        QVERIFY(coda->aspetta(std::chrono::seconds(5)));
        QCOMPARE(consegnati, QList<int>({1, 2, 3}));
        QCOMPARE(esiti[0], std::pair(EsitoStampa::Stampata, 2));
        QCOMPARE(esiti[2], std::pair(EsitoStampa::NonRiuscita, 1));
        QCOMPARE(fermi.size(), 2);
        // The refused sheet is kept, first among the copies, and goes again.
        QCOMPARE(coda->respinti(), 1);
        QCOMPARE(coda->inAttesa(), 1);
        QCOMPARE(coda->fogli().size(), std::size_t(1));
        coda->riprova();
        QTRY_COMPARE(esiti.size(), 4);
        QCOMPARE(esiti[3], std::pair(EsitoStampa::NonRiuscita, 1));
        QCOMPARE(consegnati, QList<int>({1, 2, 3, 3}));
        coda->ritira({coda->fogli()[0].numero});
        QCOMPARE(coda->inAttesa(), 0);
        coda.reset();
    }

    // One catalogue: every name builds its window, named as asked, once;
    // the menu shows a button for each exercise and for nothing else.
    // The command line: what starts, what is said, what ends with status 2.
    void rigaDiComando_data()
    {
        using A = SceltaAvvio::Azione;
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("azione");
        QTest::addColumn<QString>("messaggio"); // how it starts; empty: nothing
        QTest::addColumn<int>("classe");
        QTest::addColumn<bool>("tranquilla");
        QTest::addColumn<bool>("lavagna");
        const auto riga = [](const char *nome, QStringList a, A azione, const char *inizio, Classe c, bool t, bool l) {
            QTest::newRow(nome) << a << int(azione) << QString::fromUtf8(inizio) << int(c) << t << l;
        };
        const QString cl = QStringLiteral("--classe");
        riga("niente", {}, A::Avvia, "", Classe::Libera, false, false);
        riga("classe terza", {cl, QStringLiteral("terza")}, A::Avvia, "", Classe::Terza, false, false);
        riga("classe=prima", {QStringLiteral("--classe=prima")}, A::Avvia, "", Classe::Prima, false, false);
        riga("l'ultima vale", {cl, QStringLiteral("prima"), cl, QStringLiteral("quarta")}, A::Avvia, "", Classe::Quarta, false, false);
        riga("tutte", {QStringLiteral("--tranquilla"), QStringLiteral("--lavagna"), cl, QStringLiteral("seconda")}, A::Avvia,
             "", Classe::Seconda, true, true);
        riga("opzioni di Qt", {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-reverse")},
             A::Avvia, "", Classe::Libera, false, false);
        riga("--classe senza anno", {cl}, A::Errore, "orbetto: manca l'anno dopo --classe: prima, seconda", Classe::Libera,
             false, false);
        riga("anno sconosciuto", {cl, QStringLiteral("quinta")}, A::Errore, "orbetto: classe \"quinta\" sconosciuta",
             Classe::Libera, false, false);
        riga("opzione sbagliata", {QStringLiteral("--tranquila")}, A::Errore, "orbetto: opzione sconosciuta \"--tranquila\"",
             Classe::Libera, false, false);
        riga("argomento in più", {QStringLiteral("terza")}, A::Errore, "orbetto: argomento non previsto \"terza\"",
             Classe::Libera, false, false);
        riga("aiuto", {QStringLiteral("--help")}, A::Aiuto, "Uso: orbetto [--lavagna]", Classe::Libera, false, false);
        riga("-h", {QStringLiteral("-h")}, A::Aiuto, "Uso: orbetto", Classe::Libera, false, false);
        riga("versione", {QStringLiteral("--version")}, A::Versione, "orbetto 0.", Classe::Libera, false, false);
    }
    void rigaDiComando()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(int, azione);
        QFETCH(QString, messaggio);
        QFETCH(int, classe);
        QFETCH(bool, tranquilla);
        QFETCH(bool, lavagna);
        const SceltaAvvio s = leggiRigaDiComando(QStringList{QStringLiteral("orbetto")} + argomenti, QStringLiteral("0.1.0"));
        QCOMPARE(int(s.azione), azione);
        QVERIFY2(messaggio.isEmpty() || s.messaggio.startsWith(messaggio), qPrintable(s.messaggio));
        QCOMPARE(s.messaggio.isEmpty(), messaggio.isEmpty());
        if (s.azione == SceltaAvvio::Azione::Errore)
            QVERIFY(!s.messaggio.contains(QLatin1Char('\n')));
        QCOMPARE(int(s.classe), classe);
        QCOMPARE(s.tranquilla, tranquilla);
        QCOMPARE(s.lavagna, lavagna);
    }

    void catalogoUnico()
    {
        Banco b;
        QSet<QString> nomi;
        int bottoni = 0;
        for (const VoceCatalogo &v : catalogo()) {
            const QString nome = QString::fromLatin1(v.nome);
            QVERIFY2(!nomi.contains(nome), v.nome);
            nomi.insert(nome);
            std::unique_ptr<FinestraProgramma> f(creaFinestra(nome, b.nav().officina()));
            QVERIFY2(f && f->objectName() == nome, v.nome);
            QCOMPARE(f->ruolo() == FinestraProgramma::Ruolo::Principale, v.bottone != nullptr);
            bottoni += v.bottone ? 1 : 0;
        }
        QCOMPARE(bottoni, 18);
        QVERIFY(!creaFinestra(QStringLiteral("Form0"), b.nav().officina()));
        b.finoAlMenu();
        QCOMPARE(b.principale()->findChildren<QPushButton *>(QRegularExpression(QStringLiteral("^Command(?!1$)"))).size(),
                 bottoni);
    }

    void informazioniQuattroRighe()
    {
        Banco b;
        b.nav().MostraInformazioni(nullptr);
        QCOMPARE(b.piattaforma.box.size(), 1);
        QVERIFY(!b.piattaforma.box[0].domanda);
        const QStringList righe = b.piattaforma.box[0].testo.split(QStringLiteral("\r\n"));
        QCOMPARE(righe.size(), 4);
        QVERIFY(righe[0].endsWith(QStringLiteral("  ")));
        QCOMPARE(righe[1], QLatin1Char(' ') + QString(23, QLatin1Char('-')) + QLatin1Char(' '));
        QVERIFY(righe[0].startsWith(QStringLiteral("Orbetto")) && righe[0].contains(QStringLiteral(ORBETTO_VERSIONE_PROVA)));
        QVERIFY(righe[2].contains(QStringLiteral("GPL")));
        QVERIFY(!b.piattaforma.box[0].testo.contains(QStringLiteral("example")));
    }

    void attivazioneSoloTraFinestreDelProgramma()
    {
        Banco b;
        b.finoAlMenu();
        auto *scheda = new FinestraContata(b.ctx, QStringLiteral("scheda"));
        auto *altra = new FinestraContata(b.ctx, QStringLiteral("altra"));
        b.ctx.attivazioni.finestraAttivata(scheda);
        QCOMPARE(scheda->attivazioni, 1);
        // Back from a message box or another program: the same window again.
        b.ctx.attivazioni.finestraAttivata(scheda);
        QCOMPARE(scheda->attivazioni, 1);
        b.ctx.attivazioni.finestraAttivata(altra);
        b.ctx.attivazioni.finestraAttivata(scheda);
        QCOMPARE(scheda->attivazioni, 2);
        QCOMPARE(altra->attivazioni, 1);
        scheda->chiudi();
        altra->chiudi();
    }

    void attivazioneDaEventoDellaFinestra()
    {
        Banco b;
        b.finoAlMenu();
        FinestraContata scheda(b.ctx, QStringLiteral("scheda"));
        QEvent attiva(QEvent::WindowActivate);
        QApplication::sendEvent(&scheda, &attiva);
        QApplication::sendEvent(&scheda, &attiva);
        QCOMPARE(scheda.attivazioni, 1);
        QApplication::sendEvent(b.principale(), &attiva);
        QApplication::sendEvent(&scheda, &attiva);
        QCOMPARE(scheda.attivazioni, 2);
    }

    void riscontroContaESuona()
    {
        Banco b;
        QWidget area;
        Riscontro r(b.ctx, &area, {{7005, 270}, {6645, 1395}, {7485, 1290}, {6645, 1920}, {7485, 1815}});
        // Both faces stand one over the other until the first answer.
        QVERIFY(!r.ComandoIconaSi->isHidden() && !r.ComandoIconaNo->isHidden());
        QCOMPARE(r.ComandoIconaSi->geometry(), r.ComandoIconaNo->geometry());

        QList<bool> verdetti;
        connect(&b.ctx.punteggio, &Punteggio::risposta, [&verdetti](bool giusta) { verdetti.append(giusta); });
        for (int i = 0; i < 3; ++i)
            r.errato();
        r.esatto();
        QCOMPARE(verdetti, QList<bool>({false, false, false, true}));
        QCOMPARE(r.EtichettaErrati->text(), QStringLiteral(" 3"));
        QCOMPARE(r.EtichettaEsatti->text(), QStringLiteral(" 1"));
        QVERIFY(!r.ComandoIconaSi->isHidden() && r.ComandoIconaNo->isHidden());
        QCOMPARE(b.piattaforma.nomiSuoni().mid(0, 3), QStringList(3, QStringLiteral("no.wav")));
        QVERIFY(b.piattaforma.suoni[0].startsWith(QStringLiteral("/prova/orbetto/suoni/")));

        r.azzera();
        QCOMPARE(r.EtichettaEsatti->text(), QStringLiteral("0"));
        QCOMPARE(r.EtichettaErrati->text(), QStringLiteral("0"));
        QCOMPARE(b.ctx.punteggio.esatti(), qint16(0));
        QCOMPARE(verdetti.size(), 4); // a reset is no answer
        r.esatto();
        QCOMPARE(r.EtichettaEsatti->text(), QStringLiteral(" 1"));

        for (int i = 0; i < 32767; ++i)
            b.ctx.punteggio.conta(false);
        r.erratoConBeep();
        QCOMPARE(r.EtichettaErrati->text(), QStringLiteral(" 32767"));
        QCOMPARE(b.piattaforma.beep_, 1);
        QVERIFY(r.ComandoIconaSi->isHidden() && !r.ComandoIconaNo->isHidden());
        QCOMPARE(b.ctx.punteggio.errati(), qint16(32767));
        // The labels follow the run's score, whoever it counts for.
        for (int i = 0; i < 6; ++i)
            b.ctx.punteggio.conta(true);
        QCOMPARE(r.EtichettaEsatti->text(), QStringLiteral(" 7"));
        r.azzera();
        QCOMPARE(r.EtichettaEsatti->text(), QStringLiteral("0"));
        QCOMPARE(r.EtichettaErrati->text(), QStringLiteral("0"));
    }

    void quattroSuoniDiRispostaEsatta()
    {
        Banco b;
        QWidget area;
        Riscontro r(b.ctx, &area, {});
        for (int i = 0; i < 4000; ++i)
            SuonoEsatto(b.ctx);
        const QStringList nomi = b.piattaforma.nomiSuoni();
        for (const char *s : {"si1.wav", "si2.wav", "si3.wav", "si4.wav"}) {
            const auto n = nomi.count(QLatin1String(s));
            QVERIFY2(n > 850 && n < 1150, s);
        }
    }

    void avanzamentoAttendeOPassaOltre()
    {
        QWidget area;
        auto *avanti = new QPushButton(&area);
        auto *conferma = new QPushButton(&area);
        Avanzamento a(avanti, conferma);
        avanti->setEnabled(false);
        a.allAttivazione(true);
        QVERIFY(!avanti->isHidden());
        QVERIFY(!a.dopoEsatto());
        QVERIFY(avanti->isEnabled() && !conferma->isEnabled());
        a.avantiPremuto();
        QVERIFY(!avanti->isEnabled() && conferma->isEnabled());
        a.allAttivazione(false);
        QVERIFY(avanti->isHidden());
        QVERIFY(a.dopoEsatto());
        QVERIFY(conferma->isEnabled());
    }

    void suonoMancanteSilenzioso()
    {
        PiattaformaQt qt;
        qt.suonaWav(QStringLiteral("/non/esiste/suoni/si1.wav"));
        qt.suonaWav(QStringLiteral("/non/esiste/suoni/si1.wav"));
        QVERIFY(!qt.cartellaProgramma().isEmpty());
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
