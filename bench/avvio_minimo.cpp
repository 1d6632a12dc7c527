// SPDX-License-Identifier: GPL-3.0-or-later
// Reference: the smallest Qt Widgets program that shows a window of the
// start screen's size and paints it once; it writes the same mark as the
// program at its first paint, then ends.
#include "framework/PrimoDisegno.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel finestra(QStringLiteral("Uso dell'orbetto"));
    finestra.resize(701, 557);
    new PrimoDisegno(&finestra, [] {
        std::fputs("primo disegno\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    finestra.show();
    return app.exec();
}
