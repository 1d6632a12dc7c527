// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormAvvio.h"

#include "framework/Colori.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/Geometria.h"

FormAvvio::FormAvvio(Contesto &c) : FinestraProgramma(c, QStringLiteral("FormAvvio"), 10515, 8355, Ruolo::Principale)
{
    setWindowTitle(QStringLiteral("Orbetto"));
    const QString comic = QStringLiteral("Comic Sans MS");
    controlli::etichetta(area(), QStringLiteral("Label2(0)"), QStringLiteral("Uso dell'orbetto"),
                         QRect(480, 720, 8310, 3855), geo::carattere(comic, 72, true), Qt::AlignCenter);
    controlli::etichetta(area(), QStringLiteral("Label2(1)"), QStringLiteral("Esercitazioni matematiche"),
                         QRect(1920, 240, 4935, 855), geo::carattere(comic, 20, true), Qt::AlignCenter);
    QPushButton *avvio = controlli::bottone(area(), QStringLiteral("BottoneAvvio"), QStringLiteral("Avvio"),
                                            QRect(2415, 4995, 4425, 1425),
                                            geo::carattere(QStringLiteral("Comic Sans MS"), 28, true));
    avvio->setDefault(true);
    connect(avvio, &QPushButton::clicked, this, &FormAvvio::BottoneAvvio_Click);
}

void FormAvvio::carica()
{
    ctx.AttendiBottone = true;
    impostaSfondo(ColoreSfondoMenu(ctx));
}

void FormAvvio::BottoneAvvio_Click()
{
    emit avviato();
}

void FormAvvio::richiestaChiusura()
{
    emit chiedeUscita();
}
