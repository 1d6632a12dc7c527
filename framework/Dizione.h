// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class Voce;

// What the windows say aloud, and the teacher's "Voce" switch for the run
// (off at start). What a window asks to say in one turn of the event loop
// is said as one utterance ("hai scritto trentaquattro. giusto."), so a
// verdict never cuts the answer it judges; the next turn's cuts it.
class Dizione : public QObject
{
    Q_OBJECT
public:
    explicit Dizione(Voce &voce);

    bool accesa() const { return voceAccesa; }
    // Turned on, it says at once what the current window has to say.
    void accendi(bool si);

    // SeAccesa: only with "Voce" on. Sempre: a dictation, said anyway.
    enum class Quando { SeAccesa, Sempre };
    // Said at the end of this turn, after what was asked before it.
    void di(const QString &testo, Quando quando = Quando::SeAccesa);
    // A window's current number or prompt: said as di, and again by
    // ripeti while that window lives (daRipetere, when given, in its place).
    void annuncia(QObject *finestra, const QString &detto, const QString &daRipetere = {},
                  Quando quando = Quando::SeAccesa);
    // The window's announcement again ("ripeti", F5).
    void ripeti(QObject *finestra);

signals:
    void accesaCambiata(bool accesa);

private:
    void parla();

    Voce &voce;
    bool voceAccesa = false;
    QStringList inAttesa;
    QPointer<QObject> proprietario;
    QString daRipetere;
    Quando ripetiQuando = Quando::SeAccesa;
};
