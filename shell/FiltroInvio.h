#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

// Enter in an answer box, and the typed characters on their way in.
// With allaPressione the answer is judged on every Enter keystroke (so it
// repeats while Enter is held); otherwise on the real release of an Enter
// pressed in this same box: key repeats are skipped, and the Enter that
// closed a message box judges nothing.
class FiltroInvio : public QObject
{
    Q_OBJECT
public:
    FiltroInvio(QLineEdit *casella, bool allaPressione, std::function<void()> giudica);

    // Replaces a typed character code before the box receives it.
    void impostaSostituto(std::function<int(int)> sostituto) { sostituisci = std::move(sostituto); }
    // While set, every key in the box is dropped (an animation is running).
    void impostaInerte(bool inerte) { fermo = inerte; }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    QLineEdit *casella;
    bool allaPressione;
    std::function<void()> giudica;
    std::function<int(int)> sostituisci;
    bool premuto = false;
    bool inoltro = false;
    bool fermo = false;
};
