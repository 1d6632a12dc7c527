// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

class Contesto;
class Faccia;
class QLabel;
class QPushButton;
class QWidget;

// Where a window puts its feedback controls (twips, left and top).
struct PostiRiscontro {
    QPoint icone;
    QPoint label1, etichettaEsatti;
    QPoint label2, etichettaErrati;
};

// The feedback controls every judging window carries: the laughing and the
// sad face, and the two counters with their captions. The counters' labels
// follow the shared counters by themselves from the first change on ("0"
// until then, and after every reset).
class Riscontro
{
public:
    Riscontro(Contesto &ctx, QWidget *area, const PostiRiscontro &posti);

    // Both labels "0" (a reset shows no blank).
    void azzeraEtichette();

    Faccia *ComandoIconaSi;
    Faccia *ComandoIconaNo;
    QLabel *Label1;
    QLabel *EtichettaEsatti;
    QLabel *Label2;
    QLabel *EtichettaErrati;
};

// Laughing face, one more "Esatti", one of the four cheerful sounds.
void SegnalaEsatto(Contesto &ctx, Riscontro &r);
// Sad face, one more "Errati", the soft low sound.
void SegnalaErrato(Contesto &ctx, Riscontro &r);
// The same as SegnalaErrato, with the system beep instead of the sound.
void SegnalaErratoConBeep(Contesto &ctx, Riscontro &r);
// Labels "0", counters 0: "Azzera conteggio", and every window as it opens.
// The exercise in progress is not touched.
void AzzeraConteggio(Contesto &ctx, Riscontro &r);

void SuonoEsatto(Contesto &ctx);
void SuonoErrato(Contesto &ctx);
// The short tick of a completed step of a guided operation.
void suonaPasso(Contesto &ctx);

// The advance after a right answer: with AttendiBottone the window waits for
// "avanti", otherwise the next exercise starts at once.
// The confirming control of an exercise closed while the window waits for
// "avanti": a button is disabled; an answer box turns read-only, so the
// pupil's right answer stays at full contrast (a disabled box fades it).
void chiudiConferma(QWidget *conferma, bool chiusa);
bool confermaChiusa(const QWidget *conferma);

class Avanzamento
{
public:
    Avanzamento(QPushButton *avanti, QWidget *conferma);

    // On load or activation: "avanti" shown only when the window waits.
    void allAttivazione(bool attendiBottone);
    // After SegnalaEsatto. Returns true when the next exercise must start now.
    bool dopoEsatto();
    // "avanti" pressed: the confirming control works again. The caller then
    // starts the next exercise.
    void avantiPremuto();

    QPushButton *const BottoneAvanti;
    QWidget *const conferma;
};
