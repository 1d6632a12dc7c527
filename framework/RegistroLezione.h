// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class Contesto;

// What the class did in this run, window by window, for the lesson summary.
// It lives in memory only and names no pupil. It counts the score's answers
// while the window is open, so the counters' resets never lose or repeat one.
class RegistroLezione : public QObject
{
    Q_OBJECT
public:
    struct Riga {
        QString finestra = {};  // the window's name
        QString sezione = {};   // the menu section, as the menu writes it
        QString esercizio = {}; // the menu button's caption
        double secondi = 0;
        int esatti = 0;
        int errati = 0;
        int visite = 0;
    };

    explicit RegistroLezione(Contesto &ctx);

    // An exercise window opens; the visit before, if any, ends.
    void entra(const QString &finestra, const QString &sezione, const QString &esercizio);
    // No exercise window is open any more (back to the menu, the end).
    void esce();

    // One row a window, in the order they were first opened; the open
    // visit counts up to now.
    QList<Riga> righe() const;
    bool vuoto() const { return elenco.isEmpty(); }

signals:
    void cambiato();

private:
    Contesto &ctx;
    QList<Riga> elenco;
    int aperta = -1;
    double inizio = 0;
};
