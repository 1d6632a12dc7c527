// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModelloOrbetto.h"
#include "shell/Colori.h"
#include "shell/FinestraEsercizio.h"

#include <memory>
#include <vector>

class PannelloMassimo;
class QLabel;
class QPushButton;
class VistaOrbetto;
struct OpzioniMassimo;

// What sets one place-the-beads window apart from the others.
struct DescrizioneFormare {
    const char *nome;
    std::vector<Posto> aste;
    // Form4 draws 0 to 9; the others 1 to NumeroMassimo.
    bool daZeroANove;
    // Form999a keeps its number in the window (NumeroDaFormare).
    bool numeroNellaFinestra;
    // NumeroMassimo written on load (0: not), or on every activation.
    qint16 massimoAlCaricamento;
    qint16 massimoAllAttivazione;
    bool riseminaAlCaricamento;
    const OpzioniMassimo *massimi; // nullptr: no maximum item
    // The "Numeri" menu: none, acting at every choice, or with check marks.
    enum class MenuNumeri { Nessuno, SenzaSpunte, ConSpunte } menuNumeri;
    // "in cifre" with the thousands separator (F9999a) or with a blank.
    bool cifreConSeparatore;
    bool usaTabella; // CaricaColori with the table below, else ColoreCasuale
    TabellaColori tabella;
    // Load and NuovoNumero at load (Form4, Form99a), or at every activation.
    bool nuovoAllAttivazione;
    const char *scheda; // worksheet of "Stampa scheda"; nullptr: none
    bool azzeraAllUscita;
    const char *vociAzzera;  // caption of "Azzera conteggio"
    bool massimoPrimaDeiNumeri; // F9999a's menu order
    const char *vocemassimo;   // caption of the maximum item
};

// The place-the-beads exercise: a number in words or digits, the pupil puts
// the beads on the rods and presses "Conferma".
class FinestraFormare : public FinestraEsercizio
{
    Q_OBJECT
public:
    FinestraFormare(Contesto &ctx, const DescrizioneFormare &descrizione);
    ~FinestraFormare() override;

    void carica() override;
    void attivata() override;

    void NuovoNumero();
    qint16 numeroDaFormare() const;
    bool numeroInCifre() const { return NumeroInCifre; }
    const VistaOrbetto &orbetto() const { return *vista; }

private:
    void BottoneConferma_Click();
    void BottoneAvanti_Click();
    void sceltaNumeri(bool inCifre);
    void mostraNumero();
    qint16 &numero();

    const DescrizioneFormare &d;
    VistaOrbetto *vista;
    QLabel *EtichettaNumero;
    QPushButton *BottoneConferma;
    QPushButton *BottoneAvanti;
    PannelloMassimo *cornice = nullptr;
    QAction *MenuParole = nullptr;
    QAction *MenuCifre = nullptr;
    std::unique_ptr<Avanzamento> avanzamento;
    bool NumeroInCifre = false;
    qint16 NumeroDaFormare = 0;
};

// The place-the-beads window of that name (Form4, Form99a, Form999a,
// F9999a), or nullptr.
FinestraProgramma *creaFinestraFormare(const QString &nome, Contesto &ctx);

// A number with the given thousands separator ("1.234"; "999" below 1000).
QString conSeparatoreMigliaia(int n, const QString &separatore);
