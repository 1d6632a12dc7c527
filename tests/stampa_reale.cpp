// Prints through the program's own print path on the default printer:
//   stampa_reale scheda   - a formSt99a worksheet; prints its eight words
// and the time and memory the printing took, one per line, on stdout.
#include "shell/Applicazione.h"
#include "shell/Contesto.h"
#include "shell/FinestraProgramma.h"
#include "shell/Navigatore.h"
#include "shell/PiattaformaQt.h"
#include "worksheets/FinestraScheda.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextStream>

#include <sys/resource.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    preparaApplicazione(app);
    QTextStream out(stdout);
    PiattaformaQt piattaforma;
    Contesto ctx(piattaforma);
    ctx.NumeroMassimo = 99;
    const QString cosa = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("scheda");
    if (cosa != QLatin1String("scheda"))
        return 2;
    auto *scheda = qobject_cast<FinestraScheda *>(ctx.navigatore.mostraAffiancata(QStringLiteral("formSt99a")));
    if (!scheda)
        return 1;
    for (int i = 0; i < 8; ++i)
        out << scheda->testo(i)->toPlainText().remove(QStringLiteral(" ___ ")) << '\n';
    QElapsedTimer tempo;
    tempo.start();
    scheda->findChild<QAction *>(QStringLiteral("mnustampa"))->trigger();
    const qint64 ms = tempo.elapsed();
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    out << "ms " << ms << '\n' << "kb " << uso.ru_maxrss << '\n';
    scheda->chiudi();
    return 0;
}
