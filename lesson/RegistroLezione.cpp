// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegistroLezione.h"

#include "TestoRiepilogo.h"
#include "framework/Piattaforma.h"
#include "framework/Punteggio.h"

#include <QFont>

RegistroLezione::RegistroLezione(Punteggio &punteggio, Tempo &t, QObject *genitore)
    : QAbstractTableModel(genitore), tempo(t)
{
    connect(&punteggio, &Punteggio::risposta, this, [this](bool giusta) {
        if (aperta < 0)
            return;
        ++(giusta ? elenco[aperta].esatti : elenco[aperta].errati);
        cambiate(aperta, Esatti, Errati);
    });
}

void RegistroLezione::entra(const QString &finestra, const QString &sezione, const QString &esercizio)
{
    esce();
    int i = 0;
    while (i < elenco.size() && elenco[i].finestra != finestra)
        ++i;
    if (i == elenco.size()) {
        // The first row comes with the totals' row.
        const int prima = elenco.isEmpty() ? 0 : i;
        beginInsertRows({}, prima, i + 1 - (elenco.isEmpty() ? 0 : 1));
        elenco.append({.finestra = finestra, .sezione = sezione, .esercizio = esercizio});
        endInsertRows();
    }
    ++elenco[i].visite;
    aperta = i;
    inizio = tempo.orologio();
}

void RegistroLezione::esce()
{
    if (aperta < 0)
        return;
    const int riga = aperta;
    elenco[riga].secondi += tempo.orologio() - inizio;
    aperta = -1;
    cambiate(riga, Durata, Durata);
}

void RegistroLezione::aggiornaDurata()
{
    if (aperta >= 0)
        cambiate(aperta, Durata, Durata);
}

void RegistroLezione::cambiate(int riga, Colonna da, Colonna a)
{
    emit dataChanged(index(riga, da), index(riga, a));
    emit dataChanged(index(int(elenco.size()), da), index(int(elenco.size()), a));
}

QList<RegistroLezione::Riga> RegistroLezione::righe() const
{
    QList<Riga> r = elenco;
    if (aperta >= 0)
        r[aperta].secondi += tempo.orologio() - inizio;
    return r;
}

int RegistroLezione::rowCount(const QModelIndex &genitore) const
{
    return genitore.isValid() || elenco.isEmpty() ? 0 : int(elenco.size()) + 1;
}

int RegistroLezione::columnCount(const QModelIndex &genitore) const
{
    return genitore.isValid() ? 0 : Colonne;
}

QVariant RegistroLezione::data(const QModelIndex &indice, int ruolo) const
{
    if (!indice.isValid() || indice.row() >= rowCount())
        return {};
    const bool totale = indice.row() == elenco.size();
    const auto colonna = Colonna(indice.column());
    switch (ruolo) {
    case Qt::DisplayRole: {
        const QList<Riga> tutte = righe();
        const Riga r = totale ? riepilogo::totale(tutte) : tutte[indice.row()];
        switch (colonna) {
        case Sezione:
            return r.sezione;
        case Esercizio:
            return r.esercizio;
        case Durata:
            return riepilogo::durata(r.secondi);
        case Esatti:
            return QString::number(r.esatti);
        case Errati:
            return QString::number(r.errati);
        case Colonne:
            break;
        }
        return {};
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignVCenter | (colonna >= Durata ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::FontRole:
        if (totale) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant RegistroLezione::headerData(int sezione, Qt::Orientation verso, int ruolo) const
{
    if (verso != Qt::Horizontal || ruolo != Qt::DisplayRole || sezione < 0 || sezione >= Colonne)
        return {};
    static const char *const titoli[] = {"Sezione", "Esercizio", "Tempo", "Esatti", "Errati"};
    return QString::fromUtf8(titoli[sezione]);
}
