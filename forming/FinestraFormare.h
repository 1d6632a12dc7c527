// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abacus/ModelloOrbetto.h"
#include "framework/Colori.h"
#include "framework/Didascalia.h"
#include "framework/FinestraEsercizio.h"

#include <memory>
#include <optional>
#include <vector>

class Altoparlante;
class PannelloMassimo;
class QLabel;
class QPushButton;
class VistaOrbetto;
struct OpzioniMassimo;

// What sets one place-the-beads window apart from the others; a row
// names only what differs from these defaults.
struct DescrizioneFormare {
    std::vector<Posto> aste;
    // Form4 draws 0 to 9; the others 1 to NumeroMassimo.
    enum class Estrazione { FinoAlMassimo, DaZeroANove } estrazione = Estrazione::FinoAlMassimo;
    // NumeroMassimo written (0: not), on load or at every activation.
    qint16 massimo = 0;
    Quando scriveMassimo = Quando::AlCaricamento;
    bool riseminaAlCaricamento = false;
    const OpzioniMassimo *massimi = nullptr; // nullptr: no maximum item
    // The "Numeri" menu: none, acting at every choice, or with check marks.
    enum class MenuNumeri { Nessuno, SenzaSpunte, ConSpunte } menuNumeri = MenuNumeri::Nessuno;
    // "in cifre" with a blank before the number, or with the thousands
    // separator (F9999a).
    enum class Cifre { ConSpazio, ConSeparatore } cifre = Cifre::ConSpazio;
    // CaricaColori with this table; none: ColoreCasuale.
    std::optional<TabellaColori> tabella = std::nullopt;
    // Load and NuovoNumero at load (Form4, Form99a), or at every activation.
    Quando nuovo = Quando::AlCaricamento;
    const char *scheda = nullptr; // worksheet of "Stampa scheda"; nullptr: none
    bool azzeraAllUscita = false;
    Didascalia voceAzzera = {"Azzera conteggio", 8};
    // The maximum item after the "Numeri" menu, or before it (F9999a).
    enum class Ordine { NumeriPrima, MassimoPrima } ordine = Ordine::NumeriPrima;
    Didascalia voceMassimo = {"Numero massimo", 8};
};

// The place-the-beads exercise: a number in words or digits, the pupil puts
// the beads on the rods and presses "Conferma".
class FinestraFormare : public FinestraEsercizio
{
    Q_OBJECT
public:
    FinestraFormare(Contesto &ctx, const QString &nome, const DescrizioneFormare &descrizione);
    ~FinestraFormare() override;

    void carica() override;
    void attivata() override;

    void NuovoNumero();
    // The number to form: each window keeps its own.
    qint16 numeroDaFormare() const { return NumeroDaFormare; }
    bool numeroInCifre() const { return NumeroInCifre; }
    // "Dettato": the number is heard, not read.
    bool dettato() const { return Dettato; }
    const VistaOrbetto &orbetto() const { return *vista; }

private:
    void creaMenu();
    void BottoneConferma_Click();
    void BottoneAvanti_Click();
    void sceltaNumeri(bool inCifre);
    void mostraNumero();
    void fuocoPrimaAsta();
    void seNonSiSente();
    void impostaNumero(qint16 n);
    void sceltaDettato(bool si);

    const DescrizioneFormare &d;
    VistaOrbetto *vista;
    QLabel *EtichettaNumero;
    QPushButton *BottoneConferma;
    QPushButton *BottoneAvanti;
    PannelloMassimo *cornice = nullptr;
    QAction *MenuParole = nullptr;
    QAction *MenuCifre = nullptr;
    QAction *MenuDettato = nullptr;
    // Where the number would be, during a dictation: pressed, it says the
    // number again.
    Altoparlante *SegnoDettato;
    std::unique_ptr<Avanzamento> avanzamento;
    bool NumeroInCifre = false;
    bool Dettato = false;
    qint16 NumeroDaFormare = 0;
};

// The four place-the-beads windows, as the catalogue names them.
namespace finestreFormare {
extern const DescrizioneFormare unita, decine, centinaia, migliaia;
}

// A number with the given thousands separator ("1.234"; "999" below 1000).
QString conSeparatoreMigliaia(int n, const QString &separatore);
