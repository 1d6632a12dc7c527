// SPDX-License-Identifier: GPL-3.0-or-later
// Reference: the smallest Qt Widgets program that shows a window of the
// start screen's size and paints it once.
#include "PrimoDisegno.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel finestra(QStringLiteral("Uso dell'orbetto"));
    finestra.resize(701, 557);
    PrimoDisegno primo;
    finestra.installEventFilter(&primo);
    finestra.show();
    return app.exec();
}
