#pragma once

#include <QMainWindow>

class Contesto;

// A top-level window of the program. Its client area has a fixed size in
// twips; load and activation are the two moments the exercises act on.
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

    // Load: runs once, after the window is built and before it is shown.
    virtual void carica() {}
    // Activation: on first show and whenever the pupil comes back to this
    // window from another window of the program.
    virtual void attivata() {}

    // Closes the window for good (no question asked).
    void chiudi();

    void impostaSfondo(const QColor &colore);
    QColor sfondo() const;

protected:
    // The title bar's close button: each window does what its own exit does.
    virtual void richiestaChiusura() = 0;

    // A top-level menu-bar item without submenu.
    QAction *voceMenu(const QString &nome, const QString &testo);

    void closeEvent(QCloseEvent *evento) override;
    bool event(QEvent *evento) override;

    Contesto &ctx;

private:
    QWidget *client;
    Ruolo ruoloFinestra;
    bool chiusuraDecisa = false;
};
