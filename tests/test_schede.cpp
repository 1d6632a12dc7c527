// SPDX-License-Identifier: GPL-3.0-or-later
// The abacus worksheets: eight small abaci, opened beside the exercises.
#include "Banco.h"
#include "Pdf.h"
#include "framework/Applicazione.h"
#include "words/NumeriInLettere.h"
#include "worksheets/FinestraScheda.h"
#include "worksheets/PiccoloOrbetto.h"
#include "framework/PiattaformaQt.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

FinestraScheda *scheda(Banco &b, const char *nome)
{
    return qobject_cast<FinestraScheda *>(b.nav().affiancata(QString::fromLatin1(nome)));
}

int valoreOrbetto(const PiccoloOrbetto *o)
{
    int v = 0;
    for (Posto p : {Posto::k, Posto::h, Posto::da, Posto::u})
        v += o->palline(p) * pesoDi(p);
    return v;
}

} // namespace

class TestSchede : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { preparaApplicazione(*qApp); }

    // Each sheet as an A4 PDF through Qt's real printing path: without a
    // printer "Stampa" offers it, with one it prints and asks nothing.
    void schedeInPdf_data()
    {
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<QString>("nome");
        QTest::newRow("formSt99a") << "Command6" << "formSt99a";
        QTest::newRow("formSt999a") << "Command2" << "formSt999a";
        QTest::newRow("formSt9999a") << "Command13" << "formSt9999a";
        QTest::newRow("formSt99b") << "Command5" << "formSt99b";
        QTest::newRow("formSt999b") << "Command10" << "formSt999b";
        QTest::newRow("formSt9999b") << "Command12" << "formSt9999b";
    }
    void schedeInPdf()
    {
        QFETCH(QString, bottone);
        QFETCH(QString, nome);
        Banco b;
        b.apri(bottone);
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, qPrintable(nome));
        QVERIFY(s);
        b.menu(QStringLiteral("mnustampa"), s);
        QCOMPARE(b.piattaforma.pagineFinestra.size(), 1);
        QVERIFY(b.piattaforma.box.isEmpty());

        QTemporaryDir cartella;
        b.piattaforma.stampante = false;
        b.piattaforma.fileScelto = cartella.filePath(QStringLiteral("scheda.pdf"));
        b.piattaforma.risposte = {true};
        b.menu(QStringLiteral("mnustampa"), s);
        QCOMPARE(b.piattaforma.pagineFinestra.size(), 1);
        QCOMPARE(b.piattaforma.box.size(), 2);
        QCOMPARE(b.piattaforma.box.first().titolo, QStringLiteral("Utilizzo dell'orbetto"));
        QVERIFY(b.piattaforma.box.first().testo.contains(QStringLiteral("nessuna stampante")));
        // The save is confirmed with the file's place.
        QVERIFY(b.piattaforma.box.last().testo.contains(QStringLiteral("salvata")));
        QVERIFY(b.piattaforma.box.last().testo.contains(b.piattaforma.fileScelto));
        QCOMPARE(b.piattaforma.nomiProposti, QStringList(QStringLiteral("scheda-") + nome.mid(6) + QStringLiteral("-2026-12-08.pdf")));
        const LetturaPdf pdf = leggiPdf(b.piattaforma.fileScelto);
        if (!pdf.letto)
            QSKIP("poppler-utils missing");
        QVERIFY2(pdf.pagina.contains(QStringLiteral("(A4)")), qPrintable(pdf.pagina));
        QCOMPARE(pdf.pagine, 1);
        // The sheet's own words as text; on paper a number word may break
        // after its thousands and hundreds, never inside a part.
        QVERIFY(pdf.testo.contains(QStringLiteral("Nome ______")));
        static const QRegularExpression parti(QStringLiteral("(?<=MILA|MILLE|CENTO)(?=[A-Z\u00C9])"));
        const QString letto = QString(pdf.testo).remove(QChar(0x200B));
        for (int i = 0; i < 8; ++i) {
            const QString parole = s->testo(i)->toPlainText().simplified().remove(QStringLiteral("___")).trimmed();
            for (const QString &parte : parole.split(parti, Qt::SkipEmptyParts))
                if (parte.front().isLetter()) // not the answer lines
                    QVERIFY2(letto.contains(parte), qPrintable(parte + QStringLiteral(" | ") + pdf.testo));
        }
        // No to the offer: nothing is written.
        b.piattaforma.risposte = {false};
        b.menu(QStringLiteral("mnustampa"), s);
        QCOMPARE(b.piattaforma.nomiProposti.size(), 1);
    }

    void parolePerLeScheda()
    {
        Banco b;
        b.apri(QStringLiteral("Command6"));
        b.menu(QStringLiteral("mnuMassimo"));
        b.clic(QStringLiteral("OpzioneNumeroMassimo(0)"));
        QStringList ammesse;
        for (int n = 1; n <= 19; ++n)
            ammesse << NumeroInLettere(n) + QStringLiteral(" ___ ");
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, "formSt99a");
        QVERIFY(s);
        for (int giro = 0; giro < 50; ++giro) {
            for (int i = 0; i < 8; ++i)
                QVERIFY2(ammesse.contains(s->testo(i)->toPlainText()), qPrintable(s->testo(i)->toPlainText()));
            s->Genera8Numeri();
        }
        QCOMPARE(b.testo(QStringLiteral("Text2"), s), QStringLiteral("<missing Text2>")); // a text box, not a label
        QCOMPARE(s->findChild<QPlainTextEdit *>(QStringLiteral("Text2"))->toPlainText(),
                 QStringLiteral("Metti le palline sull'orbetto e scrivi il numero in cifra\n"));
    }

    void palline205()
    {
        Banco b;
        b.apri(QStringLiteral("Command10"));
        QList<double> valori;
        valori << valore(204, 999);
        for (int i = 1; i < 8; ++i)
            valori << valore(998, 999);
        b.piattaforma.valori = valori;
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, "formSt999b");
        QCOMPARE(s->orbetto(0)->palline(Posto::h), 2);
        QCOMPARE(s->orbetto(0)->palline(Posto::da), 0);
        QCOMPARE(s->orbetto(0)->palline(Posto::u), 5);
        QCOMPARE(valoreOrbetto(s->orbetto(1)), 999);
        // The repeats of 999 were drawn again: eight different numbers.
        QSet<int> numeri;
        for (int i = 0; i < 8; ++i)
            numeri << valoreOrbetto(s->orbetto(i));
        QCOMPARE(numeri.size(), 8);
    }

    void palline9999()
    {
        Banco b;
        b.apri(QStringLiteral("Command11"));
        b.piattaforma.valori = QList<double>(8, valore(9998, 9999));
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, "formSt9999b");
        for (Posto p : {Posto::k, Posto::h, Posto::da, Posto::u})
            QCOMPARE(s->orbetto(0)->palline(p), 9);
        QSet<int> numeri;
        for (int i = 0; i < 8; ++i)
            numeri << valoreOrbetto(s->orbetto(i));
        QCOMPARE(numeri.size(), 8);
        QCOMPARE(s->testo(0)->toPlainText(),
                 QStringLiteral("____________________\n____________________\n____________\n"));
    }

    void massimoDiUnAltroIntervalloLimitato()
    {
        Banco b;
        b.apri(QStringLiteral("Command35"));
        b.ctx.NumeroMassimo = 9999; // left by a thousands window
        b.piattaforma.valori = QList<double>(8, 0.9999);
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, "formSt99b");
        for (int i = 0; i < 8; ++i) {
            QVERIFY(valoreOrbetto(s->orbetto(i)) <= 99);
            QVERIFY(s->orbetto(i)->palline(Posto::da) <= 9);
        }
        QCOMPARE(valoreOrbetto(s->orbetto(0)), 99);
    }

    void nuovaSchedaSvuotaSoloFormSt99b()
    {
        Banco b;
        b.apri(QStringLiteral("Command35"));
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, "formSt99b");
        s->testo(3)->setPlainText(QStringLiteral("TRENTA 30"));
        b.menu(QStringLiteral("mnuNuova"), s);
        QVERIFY(s->testo(3)->toPlainText().isEmpty());

        Banco c;
        c.apri(QStringLiteral("Command10"));
        c.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *t = scheda(c, "formSt999b");
        t->testo(3)->setPlainText(QStringLiteral("CENTO 100"));
        c.menu(QStringLiteral("mnuNuova"), t);
        QCOMPARE(t->testo(3)->toPlainText(), QStringLiteral("CENTO 100"));
    }

    void unaSolaSchedaPerIGemelli()
    {
        Banco b;
        b.apri(QStringLiteral("Command5")); // Form99b1 opens formSt99b too
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, "formSt99b");
        QVERIFY(s);
        const int primo = valoreOrbetto(s->orbetto(0));
        b.menu(QStringLiteral("mnuStampa"));
        QCOMPARE(scheda(b, "formSt99b"), s);
        QCOMPARE(valoreOrbetto(s->orbetto(0)), primo);
        // The sheet stays when its exercise closes, and survives the menu.
        b.piattaforma.risposte = {true};
        b.menu(QStringLiteral("mnuEsci"));
        QCOMPARE(b.principale()->objectName(), QStringLiteral("FormMenu"));
        QCOMPARE(scheda(b, "formSt99b"), s);
        QCOMPARE(b.nav().aperte().size(), 2);
        b.clic(QStringLiteral("Command35"));
        b.menu(QStringLiteral("mnuStampa"));
        QCOMPARE(valoreOrbetto(s->orbetto(0)), primo);
        // "Esci" closes it; the next print item makes a new one.
        QPointer<FinestraScheda> vecchia = s;
        b.menu(QStringLiteral("mnuesci"), s);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!vecchia);
        QCOMPARE(b.principale()->objectName(), QStringLiteral("Form99b"));
        b.menu(QStringLiteral("mnuStampa"));
        QVERIFY(scheda(b, "formSt99b"));
        // Leaving the program closes the sheet too ("Sì", past the summary offered).
        b.piattaforma.risposte = {true};
        b.piattaforma.scelte = {1};
        b.menu(QStringLiteral("mnuEsci"));
        b.clic(QStringLiteral("Command1"));
        QVERIFY(b.nav().aperte().isEmpty());
    }

    void ritornoDallaSchedaEUnAttivazione()
    {
        Banco b;
        FinestraProgramma *esercizio = b.apri(QStringLiteral("Command2"));
        b.menu(QStringLiteral("mnuMassimo"));
        b.clic(QStringLiteral("OpzioneNumeroMassimo(1)"));
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, "formSt999a");
        QVERIFY(s);
        attiva(s);
        attiva(esercizio);
        QCOMPARE(b.ctx.NumeroMassimo, qint16(999));
    }

    void stampaLaFinestraComeSiVede()
    {
        Banco b;
        b.apri(QStringLiteral("Command13"));
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, "formSt9999a");
        b.menu(QStringLiteral("mnustampa"), s);
        QCOMPARE(b.piattaforma.pagineFinestra.size(), 1);
        QCOMPARE(b.piattaforma.pagineFinestra[0].finestra, QStringLiteral("formSt9999a"));
        QStringList voci;
        for (QAction *a : s->findChildren<QAction *>())
            if (!a->objectName().isEmpty())
                voci << a->text();
        QVERIFY(voci.contains(QStringLiteral("Nuova scheda           ")));
        QVERIFY(voci.contains(QStringLiteral("Stampa         ")));
    }

    // "Salva PDF" where the file cannot go: the teacher reads why, an old
    // file keeps its content and no piece of the new one is left. A full
    // disk is a limit on the size of the files this process writes.
    void salvaPdfCheNonRiesce()
    {
        Banco b;
        b.apri(QStringLiteral("Command6"));
        b.menu(QStringLiteral("mnuStampa"));
        FinestraScheda *s = scheda(b, "formSt99a");
        QTemporaryDir cartella;
        const QString vecchio = cartella.filePath(QStringLiteral("scheda.pdf"));
        QFile f(vecchio);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("vecchia scheda");
        f.close();
        const auto salva = [&](const QString &file) {
            b.piattaforma.fileScelto = file;
            b.menu(QStringLiteral("mnuSalvaPdf"), s);
            return b.piattaforma.box.takeLast().testo;
        };

        QVERIFY(salva(cartella.filePath(QStringLiteral("manca/scheda.pdf"))).endsWith(QStringLiteral("La cartella non esiste.")));

#ifdef Q_OS_UNIX // file size limits and permissions as POSIX has them
        const auto vecchioIntatto = [&] {
            QFile g(vecchio);
            return g.open(QIODevice::ReadOnly) && g.readAll() == "vecchia scheda"
                   && QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden) == QStringList(QStringLiteral("scheda.pdf"));
        };
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit prima{};
        getrlimit(RLIMIT_FSIZE, &prima);
        for (const rlim_t limite : {rlim_t(0), rlim_t(8192)}) {
            rlimit stretto = prima;
            stretto.rlim_cur = limite;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &stretto), 0);
            const QString detto = salva(vecchio);
            setrlimit(RLIMIT_FSIZE, &prima);
            QVERIFY2(detto.startsWith(QStringLiteral("Non è stato possibile salvare il file PDF:\r\n") + vecchio), qPrintable(detto));
            QVERIFY(detto.endsWith(QStringLiteral("Sul disco non c'è abbastanza spazio.")));
            QVERIFY(vecchioIntatto());
        }

        if (geteuid() != 0) { // root may write anywhere
            QVERIFY(QFile::setPermissions(vecchio, QFile::ReadOwner));
            QVERIFY(salva(vecchio).endsWith(QString::fromUtf8("Il file è di sola lettura: non può essere sostituito.")));
            QVERIFY(vecchioIntatto());
            QVERIFY(QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::ExeOwner));
            const QString detto = salva(vecchio);
            QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QVERIFY(detto.endsWith(QStringLiteral("Non c'è il permesso di scrivere in questa cartella.")));
            QVERIFY(vecchioIntatto());
        }
#endif

        // A name typed without ".pdf" gets it.
        QVERIFY(salva(cartella.filePath(QStringLiteral("nuova"))).endsWith(cartella.filePath(QStringLiteral("nuova.pdf"))));
        QVERIFY(QFileInfo(cartella.filePath(QStringLiteral("nuova.pdf"))).size() > 1000);
    }

    // Every item of the longest menu bars shows, at the windows' own size
    // (as on an 800×600 screen): none behind the bar's "»".
    void barraDeiMenuIntera()
    {
        Banco b;
        for (const char *bottone : {"Command13", "Command2", "Command6", "Command20", "Command11"}) {
            FinestraProgramma *f = b.apri(QString::fromLatin1(bottone));
            auto *barra = qobject_cast<QMenuBar *>(f->menuWidget());
            QVERIFY(barra);
            QVERIFY2(barra->actionGeometry(barra->actions().constLast()).right() < barra->width(), bottone);
        }
        // Squeezed until the type shrinks: the bar settles (its height
        // follows the type; answering every resize went round for ever).
        FinestraProgramma *f = b.principale();
        f->resize(330, f->height());
        QTest::qWait(50);
        struct Conta : QObject {
            int volte = 0;
            bool eventFilter(QObject *, QEvent *e) override { volte += e->type() == QEvent::Resize; return false; }
        } conta;
        f->menuWidget()->installEventFilter(&conta);
        QTest::qWait(100);
        QCOMPARE(conta.volte, 0);
        QVERIFY(f->menuWidget()->font().pointSizeF() < QApplication::font().pointSizeF());
    }

    // Every text box of the sheets and the composer: a paste with nothing
    // on the clipboard (as after logging in) does nothing; with text, it
    // pastes. Qt 6.4 alone ends the program on the first under X11 (the
    // suite runs this once more on Xvfb: offscreen, Qt's own check holds).
    void incollaSenzaNullaNeiAppunti()
    {
        Banco b;
        b.apri(QStringLiteral("Command6"));
        b.menu(QStringLiteral("mnuStampa"));
        b.apri(QStringLiteral("Command20"));
        b.menu(QStringLiteral("mnustampa"));
        QList<QPlainTextEdit *> caselle;
        for (const char *nome : {"formSt99a", "formStampa"})
            caselle << b.nav().affiancata(QString::fromLatin1(nome))->findChildren<QPlainTextEdit *>();
        QVERIFY(caselle.size() > 8);
        QClipboard *appunti = QGuiApplication::clipboard();
        for (const bool pieni : {false, true}) {
            if (pieni)
                appunti->setText(QStringLiteral("XY"));
            for (QPlainTextEdit *c : caselle) {
                c->setPlainText(QStringLiteral("12"));
                c->moveCursor(QTextCursor::End);
                QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
                QTest::keyClick(c, Qt::Key_Insert, Qt::ShiftModifier);
                QTest::mouseClick(c->viewport(), Qt::MiddleButton);
                QCOMPARE(c->toPlainText(), pieni ? QStringLiteral("12XYXY") : QStringLiteral("12"));
            }
        }
        appunti->clear();
    }
};

QTEST_MAIN(TestSchede)
#include "test_schede.moc"
