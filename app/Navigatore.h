// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AvvisiStampa.h"
#include "Catalogo.h"
#include "lesson/RegistroLezione.h"
#include "framework/FinestraProgramma.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>

class Contesto;
class QWidget;

// Which windows are open and how the pupil moves between them. Exactly one
// main window (start screen, menu or exercise) is open at a time; side
// windows (worksheets, composer) stay beside it until their own "Esci".
class Navigatore
{
public:
    explicit Navigatore(Contesto &ctx);

    // Entry procedure: seeds the generator, sets NumeroMassimo to 99 and
    // shows the start screen.
    void Avvio();

    // Shows the new main window (load, show, first activation), then closes
    // the one that was open.
    void mostraPrincipale(FinestraProgramma *nuova);
    // Opens an exercise window by name and closes the menu. Returns the
    // window, or nullptr for a name the program does not have.
    FinestraProgramma *ApriEsercizio(const QString &nome);
    // "Vuoi tornare al menù?": on Yes the menu is built anew and the
    // exercise window closed.
    void TornaAlMenu(FinestraProgramma *chiamante, bool azzeraContatori);
    // "Vuoi uscire dal programma?": on Yes every window closes and the
    // program ends. With sheets still waiting for the printer the question
    // says so and offers to wait for them or to save them as PDF files.
    // Returns whether it ended.
    bool ConfermaUscita(QWidget *genitore);
    void MostraInformazioni(QWidget *genitore);

    // Shows a side window, creating it on first use; an open one is only
    // brought forward and keeps what it shows.
    FinestraProgramma *mostraAffiancata(const QString &nome);
    // The composer, on this kind of sheet (15 to 18).
    FinestraProgramma *mostraComposizione(qint16 tipoScheda);
    // What the class did in this run, for the summary.
    RegistroLezione &lezione() { return lezione_; }
    Officina &officina() { return officina_; }

    FinestraProgramma *principale() const { return finestraPrincipale; }
    FinestraProgramma *affiancata(const QString &nome) const;
    // Every program window still open.
    QList<FinestraProgramma *> aperte() const;
    bool terminato() const { return fine; }

private:
    void primaAttivazione(FinestraProgramma *finestra);
    // Answers what the window asks for (its signals), for as long as it lives.
    void collega(FinestraProgramma *finestra);
    void mostraMenu();
    // Every window closes and the program ends.
    void esci();

    Contesto &ctx;
    RegistroLezione lezione_;
    Officina officina_{ctx, lezione_};
    QPointer<FinestraProgramma> finestraPrincipale;
    QMap<QString, QPointer<FinestraProgramma>> affiancate;
    bool fine = false;
    AvvisiStampa stampe;
};
