// SPDX-License-Identifier: GPL-3.0-or-later
#include "PannelloMassimo.h"

#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/Geometria.h"

#include <QButtonGroup>

qint16 massimoDellaClasse(const Contesto &ctx, qint16 massimo, const OpzioniMassimo *opzioni)
{
    return massimoPerClasse(ctx.classe, massimo, opzioni ? opzioni->valori[0] : qint16(1));
}

const OpzioniMassimo massimiDecine{{"19", "29", "39", "49", "59", "69", "79", "89", "99"},
                                   {19, 29, 39, 49, 59, 69, 79, 89, 99}};
const OpzioniMassimo massimiCentinaia{{"199", "299", "399", "499", "599", "699", "799", "899", "999"},
                                      {199, 299, 399, 499, 599, 699, 799, 899, 999}};
const OpzioniMassimo massimiMigliaia{{"1.999", "2.999", "3.999", "4.999", "5.999", "6.999", "7.999", "8.999", "9.999"},
                                     {1999, 2999, 3999, 4999, 5999, 6999, 7999, 8999, 9999}};

PannelloMassimo::PannelloMassimo(QWidget *area, const OpzioniMassimo &o, int larghezzaTwips, int altezzaTwips,
                                 std::function<void(qint16)> scelto)
    : QGroupBox(QStringLiteral("Scegli il numero massimo entro il quale lavorare"), area), opzioni(o),
      gruppo(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("CorniceNumeroMassimo"));
    geo::colloca(this, QRect(0, 0, larghezzaTwips, altezzaTwips));
    geo::impostaCarattere(this, geo::carattere(QStringLiteral("Arial"), 14, true));
    // An opaque, quiet sheet over the exercise while the pupil chooses.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 250, 220));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);

    const int colonne[] = {630, 2625, 4830};
    const int righe[] = {1260, 2100, 3045};
    for (int i = 0; i < 9; ++i) {
        // The whole box answers a finger on the whiteboard, not just the text.
        auto *b = new OpzioneACapo(QString::fromLatin1(opzioni.didascalie[std::size_t(i)]), this);
        b->setObjectName(QStringLiteral("OpzioneNumeroMassimo(%1)").arg(i));
        geo::colloca(b, QRect(colonne[i / 3], righe[i % 3], 1590, 330));
        geo::impostaCarattere(b, geo::carattere(QStringLiteral("Arial"), 13, true));
        gruppo->addButton(b, i);
    }
    connect(gruppo, &QButtonGroup::idClicked, this, [this, scelto](int i) {
        scelto(opzioni.valori[std::size_t(i)]);
        hide();
    });
    hide();
}

void PannelloMassimo::mostra()
{
    move(0, 0);
    raise();
    show();
}
