// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModelloOrbetto.h"
#include "shell/Colori.h"
#include "shell/FinestraEsercizio.h"

#include <memory>
#include <vector>

class PannelloMassimo;
class QLabel;
class QLineEdit;
class QPushButton;
class VistaOrbetto;
struct OpzioniMassimo;

// What sets one reading window apart: the digits windows (Form6, Form99b,
// Form999b, F9999b) and their words twins (Form5, Form99b1, Form999b1,
// F9999c).
struct DescrizioneLeggere {
    const char *nome;
    std::vector<Posto> aste;
    // How the answer is judged.
    enum class Giudizio { Valore, SoloCifre, Lettere } giudizio;
    const char *nomeIstruzione; // Label3, or Label4 where Label3 is the "."
    const char *istruzione;
    const char *nomeRisposta; // Text1 or TestoNumero
    double punti;             // the answer box's font size
    // Load: counters reset, NumeroMassimo written (0: not), generator reseeded.
    bool azzeraAlCaricamento;
    qint16 massimoAlCaricamento;
    bool riseminaAlCaricamento;
    // Every activation, before the new exercise.
    bool azzeraAllAttivazione;
    qint16 massimoAllAttivazione;
    bool daUnoANove; // 1 to 9, else 0 to NumeroMassimo - 1
    bool usaTabella;
    TabellaColori tabella;
    bool fuocoNelNuovo;      // NuovoNumero gives the box the focus
    bool giudicaAllaPressione; // Enter judged on the keystroke (repeats), else on release
    bool puntoInSpazio;      // "." into a non-empty box becomes a blank
    const OpzioniMassimo *massimi;
    const char *voceMassimo;
    const char *scheda;
    bool azzeraAllUscita;
};

// The reading exercise: the abacus shows a number, the pupil types it in
// digits or in words and presses Enter.
class FinestraLeggere : public FinestraEsercizio
{
    Q_OBJECT
public:
    FinestraLeggere(Contesto &ctx, const DescrizioneLeggere &descrizione);
    ~FinestraLeggere() override;

    void carica() override;
    void attivata() override;
    void NuovoNumero();

    const VistaOrbetto &orbetto() const { return *vista; }
    QLineEdit *risposta() const { return casella; }

private:
    void giudica();
    bool esatta(const QString &testo) const;
    void BottoneAvanti_Click();
    int sostituto(int codice) const;

    const DescrizioneLeggere &d;
    VistaOrbetto *vista;
    QLineEdit *casella;
    QPushButton *BottoneAvanti;
    PannelloMassimo *cornice = nullptr;
    std::unique_ptr<Avanzamento> avanzamento;
};

FinestraProgramma *creaFinestraLeggere(const QString &nome, Contesto &ctx);
