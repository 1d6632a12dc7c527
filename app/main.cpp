// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Applicazione.h"
#include "framework/Contesto.h"
#include "Navigatore.h"
#include "RigaDiComando.h"
#include "framework/PiattaformaQt.h"
#include "framework/PrimoDisegno.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Read before the screen is looked for: --help and --version need none.
    QStringList parole;
    for (int i = 0; i < argc; ++i)
        parole << QString::fromLocal8Bit(argv[i]);
    const SceltaAvvio scelta = leggiRigaDiComando(parole, QStringLiteral(ORBETTO_VERSIONE));
    switch (scelta.azione) {
    case SceltaAvvio::Azione::Aiuto:
    case SceltaAvvio::Azione::Versione:
        std::fputs(qPrintable(scelta.messaggio), stdout);
        return 0;
    case SceltaAvvio::Azione::Errore:
        std::fprintf(stderr, "%s\n", qPrintable(scelta.messaggio));
        return 2;
    case SceltaAvvio::Azione::Avvia:
        break;
    }
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
    // "--lavagna": every window on the full screen, as F11 does;
    // "--tranquilla", "--classe terza": the lesson's choices, for a launcher
    // of each class.
    ctx.schermoIntero = scelta.lavagna;
    ctx.tranquilla = scelta.tranquilla;
    ctx.classe = scelta.classe;
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
