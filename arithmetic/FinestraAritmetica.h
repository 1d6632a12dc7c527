// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Cambio.h"
#include "Estrazioni.h"
#include "RegoleCentinaia.h"
#include "abacus/ModelloOrbetto.h"
#include "framework/FinestraEsercizio.h"

#include <QMap>
#include <QPoint>
#include <QRect>

#include <memory>
#include <vector>

class FiltroInvio;
class Linea;
class QLabel;
class QLineEdit;
class QPushButton;
class SequenzaCambio;
class VistaOrbetto;
struct GeometriaAsta;

// What sets one column-arithmetic window apart; the window's own class
// brings the rest (its rods, buttons and prompts).
struct DescrizioneAritmetica {
    Cambio cambio = Cambio::Con;
    // The "Stampa" item that opens the composer on this sheet (none: no item).
    const char *voceStampa = nullptr;
    qint16 tipoScheda = 0;
};

// Where an arithmetic window puts the controls every one of them has.
struct DisposizioneAritmetica {
    int larghezza = 0, altezza = 0; // client area (twips)
    QRect numero = {};              // EtichettaNumero, the operation
    QRect risultato = {};           // Text1
    QPoint ricomincia = {};         // Bot_ricomincia
    QPoint avanti = {};             // BottoneAvanti
    PostiRiscontro riscontro = {};
    QPoint istruzione = {};         // Label6's fixed instruction; (0, 0): none
};

// What the six column-arithmetic windows share: rods of 9 or 19 places with
// their count labels, the operation and the result box, the exchange and its
// animation, "Ricomincia", "avanti", the menus. NuovoNumero and Ricomincia
// do the shared step here and call the window's hooks (preparaOperazione,
// ricominciaOperazione, dopoAggiunta, dopoRimozione, dopoCambio).
class FinestraAritmetica : public FinestraEsercizio
{
    Q_OBJECT
public:
    FinestraAritmetica(Contesto &ctx, const QString &nome, const DisposizioneAritmetica &disposizione,
                       const std::vector<GeometriaAsta> &aste);
    ~FinestraAritmetica() override;

    void carica() override;
    // A new operation: the shared reset (azzeraColonne), then the window's
    // own draw, operation and prompts (preparaOperazione).
    void NuovoNumero();
    // NuovoNumero, then the focus on the first rod button (or "+" button):
    // the pupil starts with the beads (Cambio there would count an error at
    // the first Enter, Ricomincia would wipe the work).
    void nuovaOperazione();
    void fuocoPrimaAsta();
    // Disables the exchange button that has done its work.
    void lasciaIlBottone(QPushButton *bottone);

    const VistaOrbetto &orbetto() const { return *vista; }
    bool animazioneInCorso() const { return animazione; }

    // This window's operation: drawn by each new exercise, its own.
    const Operazione &operazione() const { return conto; }

protected:
    Operazione conto;
    // The number the typed result must equal.
    virtual qint16 risultatoAtteso() const = 0;
    // "Ricomincia": the shared reset, then the window's own (ricominciaOperazione).
    void Ricomincia();
    virtual void preparaOperazione() = 0;
    virtual void ricominciaOperazione() = 0;
    // Called after a bead was added or taken away (count labels already
    // refreshed).
    virtual void dopoAggiunta(Posto p) = 0;
    virtual void dopoRimozione(Posto p) = 0;
    // Called when an exchange has ended (labels already refreshed).
    virtual void dopoCambio() {}
    // NumeroMassimo written at load (0: not touched).
    virtual qint16 massimoAlCaricamento() const { return 0; }

    // Rod buttons: left press adds, any other button removes (additions).
    void bottoniConPressione();
    // "+" and "-" buttons reacting to a plain click (subtractions).
    void bottonePiu(Posto p, const QString &nome, const QString &testo, const QRect &posto);
    void bottoneMeno(Posto p, const QString &nome, const QString &testo, const QRect &posto);

    QLabel *etichettaConteggio(Posto p, const QString &nome, QPoint posto);
    void aggiornaConteggi();
    // The three-rod windows: the beads on the rods, for their rules, and
    // what the rules decided (its prompt into prompt, when there is one).
    RegoleCentinaia::Aste asteOra() const;
    void eseguiPasso(QLabel *prompt, const RegoleCentinaia::Passo &passo);
    QLabel *etichettaPrompt(const QString &nome, const QRect &posto);
    QPushButton *bottoneCambio(const QString &nome, const QRect &posto);
    // A marker line across a rod, from x1 to x2; hidden until placed and shown.
    Linea *lineaSegno(Posto p, const QString &nome, int x1, int x2);
    // Places the marker level with the top of `cifra` beads on its rod.
    void collocaSegno(Posto p, int cifra);
    void mostraSegni(bool visibili);

    // Menu items: Azzera, Stampa (when the row names voceStampa), Informazioni, Esci.
    void creaMenu(const DescrizioneAritmetica &d);

    // The exchange of ten beads of the lower rod for one of the upper.
    // Fewer than ten beads: a wrong answer (the beep in place of the sound
    // when conBeep). An upper rod with no free place refuses it silently.
    void cambioInSu(Posto basso, Posto alto, QPushButton *bottone, bool conBeep);
    // The borrow: one bead of the upper rod broken into ten of the lower.
    // Refused as a wrong answer with ten or more below or none above.
    void cambioInGiu(Posto alto, Posto basso, QPushButton *bottone, bool conBeep);

    // How long each state of an exchange stays on the screen.
    static constexpr double pausaCambio = 0.3;
    // The short sound of a completed step.
    void suona();
    // Text1 cleared, shown, and focused when it is enabled.
    void mostraRisultato();
    // Text1 out of sight until the operation is on the abacus.
    void nascondiRisultato();
    // The same, and the box open again for typing (as after "avanti").
    void risultatoDaCapo();
    // The same, and what was typed thrown away ("Ricomincia").
    void risultatoVuotoDaCapo();
    // "avanti" off until the next right answer.
    void spegniAvanti();
    // The operation above the abacus (EtichettaNumero), said aloud.
    void mostraOperazione(const QString &testo);
    // A prompt in its label, said aloud; "Ripeti" says the operation too.
    void mostraPrompt(QLabel *etichetta, const QString &testo);
    void mostraSegno(Posto p);
    void segnalaErrato(bool conBeep);

private:
    // What every new exercise and "Ricomincia" starts from: the abacus
    // empty, its counts shown, every "Cambio" button ready again.
    void azzeraColonne();
    void closeEvent(QCloseEvent *evento) override;
    void premuta(Posto p, Qt::MouseButton tasto);
    void giudica();
    void BottoneAvanti_Click();
    void animazioneInizia(bool inizio);
    // Runs a handler unless an animation is running.
    template<typename F>
    auto seLibero(F f)
    {
        return [this, f] {
            if (!animazione)
                f();
        };
    }

    VistaOrbetto *vista;
    QLabel *EtichettaNumero;
    QLineEdit *Text1;
    QPushButton *BottoneAvanti;
    std::unique_ptr<Avanzamento> avanzamento;
    QMap<Posto, QLabel *> conteggi;
    QMap<Posto, Linea *> segni;
    FiltroInvio *filtro;
    SequenzaCambio *sequenza;
    std::vector<QPushButton *> bottoniCambio;
    QPushButton *primoPiu = nullptr; // the leftmost "+" button, where a subtraction starts
    bool animazione = false;
    QString operazioneDetta;
};
