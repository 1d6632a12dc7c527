// SPDX-License-Identifier: GPL-3.0-or-later
#include "FiltroInvio.h"

#include "Piattaforma.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool invio(const QKeyEvent *e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

FiltroInvio::FiltroInvio(Tempo &t, QLineEdit *c, Momento momento, std::function<void()> g)
    : QObject(c), tempo(t), casella(c), allaPressione(momento == Momento::AllaPressione), giudica(std::move(g))
{
    casella->installEventFilter(this);
}

void FiltroInvio::rilascioFinito(unsigned giro)
{
    if (giro == giroRilascio && rilascioInSospeso)
        chiudiRilascio();
}

void FiltroInvio::chiudiRilascio()
{
    rilascioInSospeso = false;
    ++giroRilascio;
    giudicatoAl = tempoRilascio;
    if (casella->isEnabled() && !casella->isReadOnly() && !fermo)
        giudica();
}

bool FiltroInvio::eventFilter(QObject *oggetto, QEvent *evento)
{
    const QEvent::Type tipo = evento->type();
    if (oggetto != casella || inoltro || (tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease))
        return false;
    // A disabled or read-only box judges nothing (a filter sees the keys
    // before the box does).
    if (!casella->isEnabled() || casella->isReadOnly())
        return false;
    if (fermo)
        return true;
    auto *tasto = static_cast<QKeyEvent *>(evento);
    const bool pressioneNuova = invio(tasto) && pressioni.nuova(*tasto);
    if (tipo == QEvent::KeyPress && rilascioInSospeso) {
        if (invio(tasto) && tasto->timestamp() != 0 && tasto->timestamp() == tempoRilascio) {
            // The release was half of a repeat: Enter is still held.
            rilascioInSospeso = false;
            ++giroRilascio;
        } else {
            chiudiRilascio();
        }
    } else if (tipo == QEvent::KeyPress && invio(tasto) && !tasto->isAutoRepeat()) {
        // The judged release was half of a repeat after all (its press came
        // later than the event loop looked): the key is still held and this
        // press of it is already judged, up to its real release. Any other
        // press is a new keystroke.
        tenutoGiudicato = tasto->timestamp() != 0 && tasto->timestamp() == giudicatoAl;
    }
    if (tipo == QEvent::KeyPress) {
        if (invio(tasto)) {
            premuto = true;
            if (allaPressione && pressioneNuova)
                giudica();
            return true;
        }
        const QString testo = tasto->text();
        if (sostituisci && testo.size() == 1) {
            const int codice = testo.at(0).unicode();
            const int nuovo = sostituisci(codice);
            if (nuovo != codice) {
                QKeyEvent sostituito(QEvent::KeyPress, tasto->key(), tasto->modifiers(), QString(QChar(nuovo)),
                                     tasto->isAutoRepeat(), ushort(tasto->count()));
                inoltro = true;
                QCoreApplication::sendEvent(casella, &sostituito);
                inoltro = false;
                return true;
            }
        }
        premuto = false;
        return false;
    }
    if (invio(tasto) && tasto->isAutoRepeat()) {
        // A pair Qt recognised itself: still the same keystroke.
        if (tenutoGiudicato)
            giudicatoAl = tasto->timestamp();
        return false;
    }
    if (invio(tasto)) {
        const bool eraPremuto = premuto;
        premuto = false;
        if (eraPremuto && !allaPressione && tenutoGiudicato) {
            giudicatoAl = tasto->timestamp(); // the pair's press will match it
            return true;
        }
        if (eraPremuto && !allaPressione) {
            rilascioInSospeso = true;
            tempoRilascio = tasto->timestamp();
            tempo.dopo(0, this, [this, giro = ++giroRilascio] { rilascioFinito(giro); });
        }
        return true;
    }
    return false;
}
