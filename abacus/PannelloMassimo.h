// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <array>
#include <functional>

class QButtonGroup;

// The nine upper bounds a window offers, index 0 to 8: caption and value.
struct OpzioniMassimo {
    std::array<const char *, 9> didascalie;
    std::array<qint16, 9> valori;
};

extern const OpzioniMassimo massimiDecine;    // "19" ... "99"
extern const OpzioniMassimo massimiCentinaia; // "199" ... "999"
extern const OpzioniMassimo massimiMigliaia;  // "1.999" ... "9.999"

class Contesto;
// The largest number a window starts from under the lesson's class year:
// its own (massimo) within its range and its options.
qint16 massimoDellaClasse(const Contesto &ctx, qint16 massimo, const OpzioniMassimo *opzioni);

// CorniceNumeroMassimo: "Scegli il numero massimo entro il quale lavorare"
// with OpzioneNumeroMassimo(0) to (8). Hidden until the window's maximum
// item shows it in the top left corner, over everything else.
class PannelloMassimo : public QGroupBox
{
    Q_OBJECT
public:
    PannelloMassimo(QWidget *area, const OpzioniMassimo &opzioni, int larghezzaTwips, int altezzaTwips,
                    std::function<void(qint16)> scelto);

    void mostra();

private:
    const OpzioniMassimo &opzioni;
    QButtonGroup *gruppo;
};
