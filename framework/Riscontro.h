// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
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
// sad face, and the two counters with their captions. A window's verdict is
// its event, risposta: the faces, the sound and the speech answer it, and
// the run's score counts it. The labels follow the score ("0" until its
// first change, and after every reset).
class Riscontro : public QObject
{
    Q_OBJECT
public:
    Riscontro(Contesto &ctx, QWidget *area, const PostiRiscontro &posti);

    // Laughing face, one more "Esatti", one of the four cheerful sounds.
    void esatto() { segnala(true, false); }
    // Sad face, one more "Errati", the soft low sound.
    void errato() { segnala(false, false); }
    // The same, with the system beep instead of the sound.
    void erratoConBeep() { segnala(false, true); }
    // Labels "0", counters 0: "Azzera conteggio", and every window as it
    // opens. The exercise in progress is not touched.
    void azzera();

    Faccia *ComandoIconaSi;
    Faccia *ComandoIconaNo;
    QLabel *Label1;
    QLabel *EtichettaEsatti;
    QLabel *Label2;
    QLabel *EtichettaErrati;

signals:
    void risposta(bool giusta);

private:
    void segnala(bool giusta, bool beep);
    void mostraFaccia(bool giusta);
    void suonaEDi(bool giusta);
    Contesto &ctx;
    bool conBeep = false;
};

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
    // After a right answer. Returns true when the next exercise must start now.
    bool dopoEsatto();
    // "avanti" pressed: the confirming control works again. The caller then
    // starts the next exercise.
    void avantiPremuto();

    QPushButton *const BottoneAvanti;
    QWidget *const conferma;
};
