// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Applicazione.h"
#include "framework/Contesto.h"
#include "Navigatore.h"
#include "framework/PiattaformaQt.h"
#include "framework/PrimoDisegno.h"

#include <QApplication>

#include <cstdio>

namespace {

std::optional<Classe> classeDallaRigaDiComando(const QStringList &argomenti)
{
    const QString opzione = QStringLiteral("--classe");
    for (qsizetype i = 1; i < argomenti.size(); ++i) {
        QString valore;
        if (argomenti[i] == opzione && i + 1 < argomenti.size())
            valore = argomenti[i + 1];
        else if (argomenti[i].startsWith(opzione + QLatin1Char('=')))
            valore = argomenti[i].mid(opzione.size() + 1);
        else
            continue;
        if (const auto classe = classeDaNome(valore))
            return classe;
        std::fprintf(stderr, "orbetto: classe \"%s\" sconosciuta (prima, seconda, terza, quarta, libera): "
                             "si usa \"libera\".\n", qPrintable(valore));
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!schermoDisponibile()) {
        std::fputs("orbetto: nessuno schermo disponibile (DISPLAY non impostato): avviare il programma da una sessione grafica.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbetto"));
    preparaApplicazione(app);

    PiattaformaQt piattaforma;
    Contesto ctx(piattaforma);
    Navigatore navigatore(ctx);
    const QStringList argomenti = QApplication::arguments();
    // "--lavagna": every window on the full screen, as F11 does.
    ctx.schermoIntero = argomenti.contains(QStringLiteral("--lavagna"));
    // "--tranquilla", "--classe terza": the lesson's choices, for a launcher
    // of each class. A year the program does not know leaves "libera".
    ctx.tranquilla = argomenti.contains(QStringLiteral("--tranquilla"));
    if (const auto classe = classeDallaRigaDiComando(argomenti))
        ctx.classe = *classe;
    navigatore.Avvio();
    // Once the start screen is on the screen: the sounds (Qt Multimedia
    // costs the start-up nothing), and the mark a benchmark may ask for.
    const bool segna = qEnvironmentVariableIsSet("ORBETTO_SEGNA_PRIMO_DISEGNO");
    new PrimoDisegno(navigatore.principale()->area(), [&piattaforma, segna] {
        if (segna) {
            std::fputs("primo disegno\n", stdout);
            std::fflush(stdout);
        }
        piattaforma.precaricaSuoni();
    });
    return app.exec();
}
