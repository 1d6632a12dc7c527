// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abacus/ModelloOrbetto.h"
#include "framework/Colori.h"
#include "framework/Didascalia.h"
#include "framework/FiltroInvio.h"
#include "framework/FinestraEsercizio.h"

#include <memory>
#include <optional>
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
    std::vector<Posto> aste;
    // How the answer is judged.
    enum class Giudizio { Valore, SoloCifre, Lettere } giudizio = Giudizio::Valore;
    const char *nomeIstruzione = "Label3"; // Label4 where Label3 is the "."
    const char *istruzione = "";
    const char *nomeRisposta = "TestoNumero"; // or Text1
    double punti = 12;                        // the answer box's font size
    // Counters reset once on load, or at every activation (then the abacus
    // is emptied too).
    Quando azzera = Quando::AlCaricamento;
    // NumeroMassimo written (0: not), on load or at every activation.
    qint16 massimo = 0;
    Quando scriveMassimo = Quando::AlCaricamento;
    bool riseminaAlCaricamento = false;
    // 0 to NumeroMassimo - 1, or 1 to 9.
    enum class Estrazione { FinoAlMassimo, DaUnoANove } estrazione = Estrazione::FinoAlMassimo;
    std::optional<TabellaColori> tabella = std::nullopt; // none: ColoreCasuale
    // Enter judged on release, or on the keystroke (every repeat counts).
    FiltroInvio::Momento invio = FiltroInvio::Momento::AlRilascio;
    bool puntoInSpazio = false; // "." into a non-empty box becomes a blank
    const OpzioniMassimo *massimi = nullptr;
    Didascalia voceMassimo = {"Numero massimo", 8};
    const char *scheda = nullptr;
    bool azzeraAllUscita = false;
};

// The reading exercise: the abacus shows a number, the pupil types it in
// digits or in words and presses Enter.
class FinestraLeggere : public FinestraEsercizio
{
    Q_OBJECT
public:
    FinestraLeggere(Contesto &ctx, const QString &nome, const DescrizioneLeggere &descrizione);
    ~FinestraLeggere() override;

    void carica() override;
    void attivata() override;
    void NuovoNumero();

    const VistaOrbetto &orbetto() const { return *vista; }
    QLineEdit *risposta() const { return casella; }
    // The number to read: the window's own, drawn by NuovoNumero.
    qint16 numeroDaLeggere() const { return numero; }
    void impostaNumero(qint16 n) { numero = n; }

private:
    void giudica();
    bool esatta(const QString &testo) const;
    QString daDire(const QString &testo) const;
    // What the pupil is asked, said aloud at each new number.
    QString compito() const;
    void BottoneAvanti_Click();
    int sostituto(int codice) const;

    const DescrizioneLeggere &d;
    qint16 numero = 0;
    VistaOrbetto *vista;
    QLineEdit *casella;
    QPushButton *BottoneAvanti;
    PannelloMassimo *cornice = nullptr;
    std::unique_ptr<Avanzamento> avanzamento;
};

// The reading windows, as the catalogue names them: in digits and in words,
// from the units to the thousands.
namespace finestreLeggere {
extern const DescrizioneLeggere cifreUnita, cifreDecine, cifreCentinaia, cifreMigliaia;
extern const DescrizioneLeggere lettereUnita, lettereDecine, lettereCentinaia, lettereMigliaia;
}
