// SPDX-License-Identifier: GPL-3.0-or-later
#include "Applicazione.h"
#include "Contesto.h"
#include "Navigatore.h"
#include "PiattaformaQt.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const bool schermo = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    if (!schermo) {
        std::fputs("orbetto: nessuno schermo disponibile (DISPLAY non impostato): avviare il programma da una sessione grafica.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbetto"));
    preparaApplicazione(app);

    PiattaformaQt piattaforma;
    Contesto ctx(piattaforma);
    ctx.navigatore.Avvio();
    // Sounds are loaded once the start screen is up, so they cost no start-up.
    QTimer::singleShot(0, &app, [&piattaforma] { piattaforma.precaricaSuoni(); });
    return app.exec();
}
