// SPDX-License-Identifier: GPL-3.0-or-later
// Prints through the program's own print path on the default printer:
//   stampa_reale scheda      - a formSt99a worksheet
//   stampa_reale foglio      - a composer sheet of 6 columns and 25 rows
//   stampa_reale correzione  - its correction
//   stampa_reale fermo       - a worksheet while the print server is stalled:
//                              "consegna N" and "risposta N", the ms the
//                              window was held by "Stampa" and by the next click
//   stampa_reale ritorno     - three worksheets while the print server
//                              (ORBETTO_CUPSD_PID) is stalled, which it then
//                              wakes: "ferma N" when the teacher was told that
//                              N sheets wait, "esiti A B C" their outcomes
//   stampa_reale rifiutate   - three worksheets to a queue that refuses jobs:
//                              "respinte N" kept, then the queue accepts
//                              (cupsaccept ORBETTO_STAMPANTE) and they are
//                              sent again: "dopo N" not out, "esiti ..." 
// On stdout: "c TEXT" for every piece that must be in the PDF (blanks
// removed), "righe N" for the longest printed line, "ms N" and "kb N" for
// the time and peak memory of printing.
#include "framework/Applicazione.h"
#include "framework/Contesto.h"
#include "framework/FinestraProgramma.h"
#include "app/Navigatore.h"
#include "framework/PiattaformaQt.h"
#include "worksheets/Composizione.h"
#include "framework/TagliaRighe.h"
#include "worksheets/FinestraScheda.h"
#include "worksheets/FormStampa.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <csignal>

#include <sys/resource.h>

namespace {

QString senzaBlank(QString s)
{
    return s.remove(QLatin1Char(' '));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    preparaApplicazione(app);
    QTextStream out(stdout);
    PiattaformaQt piattaforma;
    Contesto ctx(piattaforma);
    Navigatore navigatore(ctx);
    ctx.NumeroMassimo = 99;
    const QString cosa = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QElapsedTimer tempo;
    if (cosa == QLatin1String("fermo")) {
        auto *scheda = qobject_cast<FinestraScheda *>(navigatore.mostraAffiancata(QStringLiteral("formSt99a")));
        QApplication::processEvents();
        tempo.start();
        scheda->findChild<QAction *>(QStringLiteral("mnustampa"))->trigger();
        out << "consegna " << tempo.elapsed() << '\n';
        // The next click of the teacher, through the event queue.
        bool fatto = false;
        tempo.restart();
        QTimer::singleShot(0, scheda, [&] {
            scheda->findChild<QAction *>(QStringLiteral("mnuNuova"))->trigger();
            fatto = true;
        });
        while (!fatto && tempo.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        out << "risposta " << (fatto ? tempo.elapsed() : 99999) << '\n';
        for (FinestraProgramma *f : navigatore.aperte())
            f->chiudi();
        return 0;
    }
    if (cosa == QLatin1String("rifiutate") || cosa == QLatin1String("ritorno")) {
        // Three sheets: to a queue that refuses jobs (each reported), or to
        // a stalled server that comes back (the stall told, then each out).
        const bool ritorno = cosa == QLatin1String("ritorno");
        QStringList esiti;
        int ferma = 0;
        piattaforma.pazienzaStampa(std::chrono::seconds(1));
        piattaforma.seguiStampe({.esito = [&](EsitoStampa e, int) { esiti.append(QString::number(int(e))); },
                                 .ferma = [&](int n) { ferma = n; }});
        auto *scheda = qobject_cast<FinestraScheda *>(navigatore.mostraAffiancata(QStringLiteral("formSt99a")));
        for (int i = 0; i < 3; ++i)
            scheda->findChild<QAction *>(QStringLiteral("mnustampa"))->trigger();
        tempo.start();
        if (ritorno) {
            while (ferma == 0 && tempo.elapsed() < 10000)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
            out << "ferma " << ferma << '\n';
            ::kill(qEnvironmentVariableIntValue("ORBETTO_CUPSD_PID"), SIGCONT);
            tempo.restart();
        }
        while (esiti.size() < 3 && tempo.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        if (!ritorno) {
            // The refused are kept; the queue accepts again and they go.
            out << "respinte " << piattaforma.schedeRespinte() << '\n';
            QProcess::execute(QStringLiteral("cupsaccept"), {qEnvironmentVariable("ORBETTO_STAMPANTE")});
            piattaforma.riprovaStampe();
            while (esiti.size() < 6 && tempo.elapsed() < 60000)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
            out << "dopo " << piattaforma.schedeDaStampare() << '\n';
        }
        out << "esiti " << esiti.join(QLatin1Char(' ')) << '\n';
        for (FinestraProgramma *f : navigatore.aperte())
            f->chiudi();
        return 0;
    }
    if (cosa == QLatin1String("scheda")) {
        auto *scheda = qobject_cast<FinestraScheda *>(navigatore.mostraAffiancata(QStringLiteral("formSt99a")));
        for (int i = 0; i < 8; ++i)
            out << "c " << senzaBlank(scheda->testo(i)->toPlainText().remove(QStringLiteral("___"))) << '\n';
        out << "c Mettilepallinesull'orbettoescriviilnumeroincifra\n";
        tempo.start();
        scheda->findChild<QAction *>(QStringLiteral("mnustampa"))->trigger();
    } else if (cosa == QLatin1String("foglio") || cosa == QLatin1String("correzione")) {
        auto *composer = qobject_cast<FormStampa *>(navigatore.mostraComposizione(15));
        composer->findChild<QAbstractButton *>(QStringLiteral("OptionColonne(5)"))->click();
        composer->findChild<QAbstractButton *>(QStringLiteral("OptionRighe(5)"))->click();
        const bool foglio = cosa == QLatin1String("foglio");
        const QString testo = foglio ? composer->foglio().scheda : composer->foglio().correzione;
        const QStringList righe = testo.split(QStringLiteral("\r\n"));
        for (QString riga : righe.mid(3)) {
            if (foglio)
                riga.remove(0, 4);
            for (int c = 0; c + 25 <= riga.size(); c += 25)
                out << "c " << senzaBlank(riga.mid(c, 25)) << '\n';
        }
        int lunghezza = 0;
        for (const QString &r : righeDaStampare(TagliaEsercizi(testo, foglio ? 100 : 90)))
            lunghezza = std::max(lunghezza, int(r.size()));
        out << "righe " << lunghezza << '\n';
        tempo.start();
        composer->findChild<QAbstractButton *>(foglio ? QStringLiteral("btnCD") : QStringLiteral("Command1"))->click();
    } else {
        return 2;
    }
    const qint64 ms = tempo.elapsed();
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    out << "ms " << ms << '\n' << "kb " << uso.ru_maxrss << '\n';
    for (FinestraProgramma *f : navigatore.aperte())
        f->chiudi();
    return 0;
}
