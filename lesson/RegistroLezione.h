// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class Punteggio;
class Tempo;

// What the class did in this run, window by window, for the lesson summary:
// one row a window, in the order they were first opened, then the totals.
// It lives in memory only and names no pupil. It counts the score's answers
// while a window is open, so the counters' resets never lose or repeat one.
class RegistroLezione : public QAbstractTableModel
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
    enum Colonna { Sezione, Esercizio, Durata, Esatti, Errati, Colonne };

    RegistroLezione(Punteggio &punteggio, Tempo &tempo, QObject *genitore = nullptr);

    // An exercise window opens; the visit before, if any, ends.
    void entra(const QString &finestra, const QString &sezione, const QString &esercizio);
    // No exercise window is open any more (back to the menu, the end).
    void esce();

    // The rows without the totals; the open visit counts up to now.
    QList<Riga> righe() const;
    bool vuoto() const { return elenco.isEmpty(); }
    // The open visit's time has grown: the views show it anew.
    void aggiornaDurata();

    int rowCount(const QModelIndex &genitore = {}) const override;
    int columnCount(const QModelIndex &genitore = {}) const override;
    QVariant data(const QModelIndex &indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo = Qt::DisplayRole) const override;

private:
    // Row i and the totals changed in these columns.
    void cambiate(int riga, Colonna da, Colonna a);

    Tempo &tempo;
    QList<Riga> elenco;
    int aperta = -1;
    double inizio = 0;
};
