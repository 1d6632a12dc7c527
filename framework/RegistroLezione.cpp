// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegistroLezione.h"

#include "Contesto.h"
#include "Piattaforma.h"

RegistroLezione::RegistroLezione(Contesto &c) : ctx(c)
{
    esattiVisti = ctx.ContaEsatti;
    erratiVisti = ctx.ContaErrati;
    connect(&ctx, &Contesto::cambiato, this, [this](Condiviso quale) {
        if (quale != Condiviso::ContaEsatti && quale != Condiviso::ContaErrati)
            return;
        const bool esatti = quale == Condiviso::ContaEsatti;
        qint16 &visto = esatti ? esattiVisti : erratiVisti;
        const qint16 ora = esatti ? ctx.ContaEsatti : ctx.ContaErrati;
        const bool risposta = ora == visto + 1;
        visto = ora;
        if (!risposta || aperta < 0)
            return;
        ++(esatti ? elenco[aperta].esatti : elenco[aperta].errati);
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
