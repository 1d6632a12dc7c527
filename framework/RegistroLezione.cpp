// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegistroLezione.h"

#include "Contesto.h"
#include "Piattaforma.h"

RegistroLezione::RegistroLezione(Contesto &c) : ctx(c)
{
    connect(&ctx.punteggio, &Punteggio::risposta, this, [this](bool giusta) {
        if (aperta < 0)
            return;
        ++(giusta ? elenco[aperta].esatti : elenco[aperta].errati);
        emit cambiato();
    });
}

void RegistroLezione::entra(const QString &finestra, const QString &sezione, const QString &esercizio)
{
    esce();
    int i = 0;
    while (i < elenco.size() && elenco[i].finestra != finestra)
        ++i;
    if (i == elenco.size())
        elenco.append({.finestra = finestra, .sezione = sezione, .esercizio = esercizio});
    ++elenco[i].visite;
    aperta = i;
    inizio = ctx.piattaforma.orologio();
    emit cambiato();
}

void RegistroLezione::esce()
{
    if (aperta < 0)
        return;
    elenco[aperta].secondi += ctx.piattaforma.orologio() - inizio;
    aperta = -1;
    emit cambiato();
}

QList<RegistroLezione::Riga> RegistroLezione::righe() const
{
    QList<Riga> r = elenco;
    if (aperta >= 0)
        r[aperta].secondi += ctx.piattaforma.orologio() - inizio;
    return r;
}
