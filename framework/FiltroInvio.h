// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PressioneUnica.h"

#include <QObject>

#include <functional>

class Tempo;
class QLineEdit;

// Enter in an answer box, and the typed characters on their way in.
// AllaPressione: the answer is judged when Enter goes down, once per
// physical press (a held Enter judges once); otherwise on the real release
// of an Enter pressed in this same box: key repeats are skipped, and the
// Enter that closed a message box judges nothing.
//
// A held key reaches X11 programs as release/press pairs sharing one
// timestamp, and Qt does not always flag them as repeats. So a release is
// judged only once the events already queued behind it have been seen: a
// press with its very timestamp makes it a repeat. When the pair's press
// comes later than that (a busy machine), the press still matches the
// judged release, and nothing more is judged until a new press.
class FiltroInvio : public QObject
{
    Q_OBJECT
public:
    enum class Momento { AlRilascio, AllaPressione };
    FiltroInvio(Tempo &tempo, QLineEdit *casella, Momento momento, std::function<void()> giudica);

    // Replaces a typed character code before the box receives it.
    void impostaSostituto(std::function<int(int)> sostituto) { sostituisci = std::move(sostituto); }
    // While set, every key in the box is dropped (an animation is running).
    void impostaInerte(bool inerte) { fermo = inerte; }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void rilascioFinito(unsigned giro);
    // A release waiting to be judged, judged now: another key came first.
    void chiudiRilascio();

    Tempo &tempo;
    QLineEdit *casella;
    bool allaPressione;
    std::function<void()> giudica;
    std::function<int(int)> sostituisci;
    bool premuto = false;
    bool inoltro = false;
    bool fermo = false;
    bool rilascioInSospeso = false;
    quint64 tempoRilascio = 0;
    quint64 giudicatoAl = 0;      // timestamp of the last release judged
    bool tenutoGiudicato = false; // Enter still held, its press judged
    unsigned giroRilascio = 0;
    PressioneUnica pressioni;
};
