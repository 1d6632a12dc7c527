// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, ended after the start screen's first paint.
#include "PrimoDisegno.h"
#include "shell/Applicazione.h"
#include "shell/Contesto.h"
#include "shell/FinestraProgramma.h"
#include "shell/Navigatore.h"
#include "shell/PiattaformaQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    preparaApplicazione(app);
    PiattaformaQt piattaforma;
    Contesto ctx(piattaforma);
    ctx.navigatore.Avvio();
    PrimoDisegno primo;
    ctx.navigatore.principale()->area()->installEventFilter(&primo);
    const int esito = app.exec();
    ctx.navigatore.principale()->chiudi();
    return esito;
}
