// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraProgramma.h"
#include "Riscontro.h"

#include <memory>

// When a window does a step of its own: once when it is loaded, or every
// time the pupil comes back to it.
enum class Quando { AlCaricamento, AllAttivazione };

// What every exercise window shares: the feedback controls, "Azzera
// conteggio", "Informazioni" and "Esci" (back to the menu, also from the
// title bar's close button).
class Altoparlante;
class QMenu;

class FinestraEsercizio : public FinestraProgramma
{
    Q_OBJECT
public:
    FinestraEsercizio(Contesto &ctx, const QString &nome, int larghezzaTwips, int altezzaTwips,
                      bool azzeraAllUscita);
    ~FinestraEsercizio() override;

    Riscontro &riscontro() { return *feedback; }

protected:
    void richiestaChiusura() override;
    void creaRiscontro(const PostiRiscontro &posti);

    // Menu-bar items, each wired to its shared action.
    QAction *voceAzzera(const QString &testo);
    QAction *voceInformazioni();
    // "Stampa scheda": shows the worksheet of that name beside the window.
    QAction *voceStampaScheda(const QString &scheda);
    QAction *voceEsci();
    // "Voce" with "Ripeti" (F5), which says the window's number or prompt
    // again; the speaker in the menu bar's corner does the same while
    // speech is on.
    QMenu *menuVoceEsercizio();
    // The speaker also shown with speech off (a dictation).
    void ripetiSempre(bool si);

private:
    void aggiornaRipeti();

    Altoparlante *altoparlante = nullptr;
    bool ripetiAnchePerDettato = false;
    Riscontro *feedback = nullptr; // a child of the area
    bool azzeraUscendo;
    int larghezzaArea; // twips
};
