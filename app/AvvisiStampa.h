// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/CodaStampa.h"

#include <QString>
#include <QStringList>

#include <functional>

class Dialoghi;
class Stampe;
class Tempo;
class QWidget;

// What the teacher is told about the sheets sent to the printer: a sheet
// that was not printed, a printer that does not answer, and, before the
// program ends, the sheets still waiting. A printed sheet says nothing.
class AvvisiStampa
{
public:
    // finestra: where the boxes go. esci: ends the program (after the
    // teacher chose to wait for the last sheet).
    AvvisiStampa(Stampe &stampe, Dialoghi &dialoghi, Tempo &tempo, std::function<QWidget *()> finestra,
                 std::function<void()> esci);
    ~AvvisiStampa();
    AvvisiStampa(const AvvisiStampa &) = delete;
    AvvisiStampa &operator=(const AvvisiStampa &) = delete;

    enum class Uscita { Ora, DopoLaStampa, No };
    // The exit question when sheets still wait: wait for them, save them as
    // PDF files, leave them, or stay.
    Uscita primaDiUscire(QWidget *genitore);

private:
    // Every sheet still waiting as a PDF file: Ora once all are written.
    Uscita salvaInPdf(QWidget *genitore);
    void esito(EsitoStampa esito, int inAttesa);
    void ferma(int inAttesa);
    // The sheets the printer refused: try again, save them, or later.
    void chiediDeiRespinti();
    // One box at a time: what comes meanwhile follows it.
    void mostra(const QString &testo);

    Stampe &stampe;
    Dialoghi &dialoghi;
    Tempo &tempo;
    std::function<QWidget *()> finestra;
    std::function<void()> esci;
    bool esciAllaFine = false;
    bool mostrando = false;
    QStringList daMostrare;
};
