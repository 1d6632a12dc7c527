// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/Didascalia.h"

#include "abacus/ModelloOrbetto.h"
#include "framework/FinestraProgramma.h"

#include <array>
#include <functional>
#include <vector>

class QPlainTextEdit;
class PiccoloOrbetto;

// What sets one abacus worksheet apart from the others.
struct DescrizioneScheda {
    // Kind a: a number in words, the pupil places the beads; kind b: the
    // beads of a number, the pupil writes it.
    enum class Tipo { Forma, Leggi } tipo = Tipo::Forma;
    std::vector<std::pair<Posto, int>> aste = {}; // rod and its x inside the frame
    qint16 massimoDelRange = 99;                  // 99, 999, 9999
    std::array<int, 4> colonne = {120, 2400, 4800, 7200}; // frame x of the four columns
    std::array<int, 2> righe = {720, 4080};               // frame y of the two rows
    int larghezzaCornice = 2055;                          // frames are this wide and 2175 high
    int altezzaTesto = 495;                               // Text1 height
    const char *lettere = "";                             // Label1 caption
    const char *testoIniziale = "";                       // Text1 in the design
    bool svuotaTesti = false; // Genera8Numeri empties Text1 (formSt99b)
    Didascalia voceNuova = {"Nuova scheda", 10};
    Didascalia voceStampa = {"Stampa", 12};
};

// A worksheet of eight small abaci for the class: kind a shows a number in
// words beside each empty abacus, kind b shows the beads of a number. It is
// printed as shown, one page.
class FinestraScheda : public FinestraProgramma
{
    Q_OBJECT
public:
    FinestraScheda(Contesto &ctx, const QString &nome, const DescrizioneScheda &descrizione);

    void carica() override;
    void Genera8Numeri();

    // Runs registra (which records the page) with the boxes as on paper:
    // number words may break between their parts, so the type grows to
    // what the boxes allow; the window keeps its own.
    void sullaCarta(const std::function<void()> &registra);

    // What abacus i shows, for the tests and tools.
    const PiccoloOrbetto *orbetto(int i) const { return orbetti[std::size_t(i)]; }
    QPlainTextEdit *testo(int i) const { return testi[std::size_t(i)]; }

protected:
    void richiestaChiusura() override { chiudi(); }

private:
    void creaMenu();
    const DescrizioneScheda &d;
    std::array<PiccoloOrbetto *, 8> orbetti{};
    std::array<QPlainTextEdit *, 8> testi{};
};

// The six worksheets, as the catalogue names them: kind a (place the
// beads) and kind b (read them), for 99, 999 and 9999.
namespace finestreSchede {
extern const DescrizioneScheda formaDecine, formaCentinaia, formaMigliaia;
extern const DescrizioneScheda leggiDecine, leggiCentinaia, leggiMigliaia;
}
