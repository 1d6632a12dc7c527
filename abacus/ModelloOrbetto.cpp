// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelloOrbetto.h"

ModelloOrbetto::ModelloOrbetto(const std::vector<Asta> &aste)
{
    for (const Asta &a : aste) {
        Stato &s = stato(a.posto);
        s.presente = true;
        s.posti = a.posti;
        ordine.push_back(a.posto);
    }
}

bool ModelloOrbetto::ha(Posto p) const
{
    return stato(p).presente;
}

int ModelloOrbetto::posti(Posto p) const
{
    return stato(p).posti;
}

qint16 ModelloOrbetto::conteggio(Posto p) const
{
    return stato(p).conteggio;
}

bool ModelloOrbetto::AggiungiPallina(Posto p)
{
    Stato &s = stato(p);
    if (!s.presente || s.conteggio >= s.posti)
        return false;
    s.mostrate[std::size_t(s.conteggio)] = true;
    ++s.conteggio;
    return true;
}

bool ModelloOrbetto::TogliPallina(Posto p)
{
    Stato &s = stato(p);
    if (!s.presente || s.conteggio <= 0)
        return false;
    --s.conteggio;
    s.mostrate[std::size_t(s.conteggio)] = false;
    return true;
}

void ModelloOrbetto::SvuotaOrbetto()
{
    for (Stato &s : stati) {
        s.conteggio = 0;
        s.mostrate.fill(false);
    }
}

void ModelloOrbetto::ImpostaPalline(Posto p, int n)
{
    Stato &s = stato(p);
    if (!s.presente || n < 0 || n > s.posti)
        return;
    for (int i = 0; i < n; ++i)
        s.mostrate[std::size_t(i)] = true;
    s.conteggio = qint16(n);
}

int ModelloOrbetto::ValoreOrbetto() const
{
    int valore = 0;
    for (Posto p : ordine)
        valore += stato(p).conteggio * pesoDi(p);
    return valore;
}

bool ModelloOrbetto::visibile(Posto p, int indice) const
{
    const Stato &s = stato(p);
    return s.presente && indice >= 0 && indice < s.posti && s.mostrate[std::size_t(indice)];
}

void ModelloOrbetto::impostaVisibile(Posto p, int indice, bool visibile)
{
    Stato &s = stato(p);
    if (s.presente && indice >= 0 && indice < s.posti)
        s.mostrate[std::size_t(indice)] = visibile;
}

void ModelloOrbetto::impostaConteggio(Posto p, qint16 n)
{
    Stato &s = stato(p);
    if (s.presente && n >= 0 && n <= s.posti)
        s.conteggio = n;
}

int pesoDi(Posto p)
{
    switch (p) {
    case Posto::k:
        return 1000;
    case Posto::h:
        return 100;
    case Posto::da:
        return 10;
    case Posto::u:
        break;
    }
    return 1;
}

const char *nomeDi(Posto p)
{
    switch (p) {
    case Posto::k:
        return "k";
    case Posto::h:
        return "h";
    case Posto::da:
        return "da";
    case Posto::u:
        break;
    }
    return "u";
}

QString nomeLungo(Posto p)
{
    switch (p) {
    case Posto::k:
        return QStringLiteral("migliaia");
    case Posto::h:
        return QStringLiteral("centinaia");
    case Posto::da:
        return QStringLiteral("decine");
    case Posto::u:
        break;
    }
    return QStringLiteral("unità");
}
