// SPDX-License-Identifier: GPL-3.0-or-later
// Says one text through the program's own speech path (the speech plugin
// on its thread) and waits for it to be spoken:
//   voce_reale MODULE TEXT [THEN]
// Prints "pronta" when the synthesiser answered, "assente" when not. With
// THEN, once the file named by ORBETTO_VOCE_ANCORA exists (the test has
// killed the daemon and started another), says THEN as well.
#include <QFile>
#include "framework/PiattaformaQt.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    PiattaformaQt piattaforma({}, {}, QString::fromLocal8Bit(argv[1]));
    piattaforma.di(QString::fromLocal8Bit(argv[2]));
    QTextStream out(stdout);
    int attese = 0;
    int avvio = 0;
    const QString poi = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const QString ancora = qEnvironmentVariable("ORBETTO_VOCE_ANCORA");
    bool secondo = false;
    QTimer controllo;
    QObject::connect(&controllo, &QTimer::timeout, &app, [&] {
        const CodaVoce::Stato s = piattaforma.statoVoce();
        if (s == CodaVoce::Stato::Assente) {
            out << "assente\n";
            app.exit(1);
        } else if (s == CodaVoce::Stato::Pronta && attese == 0) {
            out << "pronta\n";
            out.flush();
            std::fflush(stdout);
            attese = 1;
            // Time for the words to be spoken before the connection closes.
            if (poi.isEmpty())
                QTimer::singleShot(4000, &app, [&app] { app.exit(0); });
        } else if (!poi.isEmpty() && !secondo && QFile::exists(ancora)) {
            secondo = true;
            piattaforma.di(poi);
            QTimer::singleShot(4000, &app, [&app] { app.exit(0); });
        } else if (s != CodaVoce::Stato::Pronta && ++avvio > 300) {
            // A daemon started on demand may take seconds: 15 s at most.
            app.exit(1);
        }
    });
    controllo.start(50);
    return app.exec();
}
