// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class Contesto;
class QMenu;
class QShortcut;
class Tastiera;

// A top-level window of the program. Its client area has a fixed layout in
// twips that scales with the window: the teacher may enlarge it for the
// whiteboard (edges, maximise, F11 for the full screen) and every control
// keeps its proportions; the spare band takes the background colour. Load
// and activation are the two moments the exercises act on.
class FinestraProgramma : public QMainWindow
{
    Q_OBJECT
public:
    // A main window is one of start screen, menu, exercise: only one is open.
    // A side window (worksheet, composer) opens beside it.
    enum class Ruolo { Principale, Affiancata };

    FinestraProgramma(Contesto &ctx, const QString &nome, int larghezzaTwips, int altezzaTwips,
                      Ruolo ruolo);

    Ruolo ruolo() const { return ruoloFinestra; }
    QWidget *area() const { return client; }
    // The client area's size at scale 1, in pixels.
    QSize dimensioneBase() const { return base; }
    double scala() const;

    // Load: runs once, after the window is built and before it is shown.
    virtual void carica() {}
    // Activation: on first show and whenever the pupil comes back to this
    // window from another window of the program.
    virtual void attivata() {}

    // Shows the window at the size the teacher chose for the run (the
    // largest that fits a small screen).
    void mostra();
    // Closes the window for good (no question asked).
    void chiudi();

    void impostaSfondo(const QColor &colore);
    QColor sfondo() const;

signals:
    // What a window asks of the program: the navigator that made it answers.
    void chiedeMenu(bool azzeraContatori);      // back to the menu, asked first
    void chiedeEsercizio(const QString &nome);  // an exercise in place of this window
    void chiedeAffiancata(const QString &nome); // a worksheet beside it
    void chiedeComposizione(qint16 tipoScheda); // the composer beside it, on this sheet
    void chiedeInformazioni();
    void chiedeUscita(); // the end of the program, asked first

protected:
    // The title bar's close button: each window does what its own exit does.
    virtual void richiestaChiusura() = 0;

    // A top-level menu-bar item without submenu.
    QAction *voceMenu(const QString &nome, const QString &testo);
    // A top-level menu, named as its title item.
    QMenu *menuBarra(const QString &nome, const QString &testo);
    // Fits the menu bar again after something took room in it.
    void riadattaBarra();
    // "Voce": the speech switch of the run, with its check mark.
    QMenu *menuVoce();
    // Tab goes down each column of controls, left column first.
    void tabPerColonne();

    void closeEvent(QCloseEvent *evento) override;
    bool event(QEvent *evento) override;
    void changeEvent(QEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

    Contesto &ctx;

private:
    // Fits the client area to the frame around it.
    void adattaAllaCornice();
    void schermoIntero();

    QWidget *cornice;
    QWidget *client;
    QSize base;
    QShortcut *esciDalloSchermoIntero = nullptr; // Escape, only on the full screen
    Tastiera *tastiera;
    Ruolo ruoloFinestra;
    bool chiusuraDecisa = false;
    // The menu bar's type shrinks until its last item fits its width: no
    // item ever hides behind the bar's "»".
    void adattaBarra();
    bool adattandoBarra = false;
    int larghezzaBarra = -1; // the width the bar was last fitted to
    QStyle *stileStretto = nullptr;
};
