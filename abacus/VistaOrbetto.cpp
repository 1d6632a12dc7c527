// SPDX-License-Identifier: GPL-3.0-or-later
#include "VistaOrbetto.h"

#include "Disegni.h"
#include "framework/Geometria.h"
#include "framework/Tastiera.h"

#include <QWidget>

namespace {

ModelloOrbetto modelloPer(const std::vector<GeometriaAsta> &geometrie)
{
    std::vector<ModelloOrbetto::Asta> aste;
    for (const GeometriaAsta &g : geometrie)
        aste.push_back({g.posto, g.posti});
    return ModelloOrbetto(aste);
}

} // namespace

QColor colorePallina(Posto posto, int indice)
{
    const bool chiara = indice >= 9;
    switch (posto) {
    case Posto::k:
        return chiara ? QColor(255, 255, 160) : QColor(255, 255, 0);
    case Posto::h:
        return chiara ? QColor(128, 192, 128) : QColor(0, 128, 0);
    case Posto::da:
        return chiara ? QColor(255, 128, 128) : QColor(255, 0, 0);
    case Posto::u:
        break;
    }
    return chiara ? QColor(128, 128, 255) : QColor(0, 0, 255);
}

VistaOrbetto::VistaOrbetto(Tempo &tempo, QWidget *a, const std::vector<GeometriaAsta> &geometrie)
    : QObject(a), area(a), stato(modelloPer(geometrie))
{
    // Wires first, so that the beads lie over them.
    for (const GeometriaAsta &g : geometrie)
        aggiungiFilo(g.filoAlto, g.filoBasso, Qt::black);
    for (const GeometriaAsta &g : geometrie)
        if (g.prolungaAlto != g.prolungaBasso)
            aggiungiFilo(g.prolungaAlto, g.prolungaBasso, QColor(128, 128, 128));

    for (const GeometriaAsta &g : geometrie) {
        Asta asta{g, {}, nullptr, fili[aste.size()]};
        const QString nome = QString::fromLatin1(nomeDi(g.posto));
        for (int i = 0; i < g.posti; ++i) {
            auto *p = new Pallina(colorePallina(g.posto, i), area);
            p->setObjectName(QStringLiteral("pal_%1(%2)").arg(nome).arg(i));
            const QPoint angolo = angoloPosto(g, i);
            geo::colloca(p, QRect(angolo.x(), angolo.y(), g.pallina.width(), g.pallina.height()));
            p->hide();
            asta.palline.push_back(p);
        }
        if (!g.bottone.isEmpty()) {
            asta.bottone = new BottoneAsta(g.didascalia, tempo, area);
            asta.bottone->setObjectName(QStringLiteral("Bot_") + nome);
            geo::colloca(asta.bottone, QRect(g.bottone.x(), g.bottone.y(), g.bottone.width(), g.bottone.height()));
            geo::impostaCarattere(asta.bottone, geo::carattere(QStringLiteral("Arial"), 14, true));
            asta.bottone->setAutoDefault(false);
            const Posto posto = g.posto;
            connect(asta.bottone, &BottoneAsta::premuto, this, [this, posto](Qt::MouseButton t) { emit premuto(posto, t); });
            asta.bottone->setAccessibleDescription(
                QStringLiteral("clic sinistro, Invio o + aggiunge una pallina; clic destro, Canc o - la toglie"));
        }
        aste.push_back(std::move(asta));
        annuncia(g.posto);
    }
}

Linea *VistaOrbetto::aggiungiFilo(QPoint alto, QPoint basso, const QColor &colore)
{
    auto *filo = new Linea(colore, 3, area);
    filo->setObjectName(QStringLiteral("FiloOrbetto(%1)").arg(fili.size()));
    filo->posiziona(alto, basso);
    filo->show();
    fili.push_back(filo);
    return filo;
}

QPoint VistaOrbetto::angoloPosto(const GeometriaAsta &g, int indice) const
{
    if (indice < 9)
        return {g.pallina0.x(), g.pallina0.y() - passoPalline * indice};
    if (indice == 9)
        return g.posto9;
    return {g.secondaColonnaX, g.pallina0.y() - passoPalline * (indice - 10)};
}

const VistaOrbetto::Asta *VistaOrbetto::asta(Posto p) const
{
    for (const Asta &a : aste)
        if (a.geometria.posto == p)
            return &a;
    return nullptr;
}

int VistaOrbetto::altoPosto(Posto p, int indice) const
{
    const Asta *a = asta(p);
    if (!a)
        return 0;
    // A place past the last one of a 9-place rod lies one step above place 8.
    if (indice >= a->geometria.posti)
        return a->geometria.pallina0.y() - passoPalline * indice;
    return angoloPosto(a->geometria, indice).y();
}

void VistaOrbetto::sincronizza(Posto p)
{
    if (const Asta *a = asta(p))
        for (int i = 0; i < int(a->palline.size()); ++i)
            a->palline[std::size_t(i)]->setVisible(stato.visibile(p, i));
    annuncia(p);
}

void VistaOrbetto::annuncia(Posto p)
{
    const Asta *a = asta(p);
    if (!a)
        return;
    const QString nome = nomeAccessibileAsta(nomeLungo(p), stato.conteggio(p));
    a->filo->setAccessibleName(nome);
    if (a->bottone)
        a->bottone->setAccessibleName(nome);
}

bool VistaOrbetto::AggiungiPallina(Posto p)
{
    const bool cambiato = stato.AggiungiPallina(p);
    if (cambiato)
        sincronizza(p);
    return cambiato;
}

bool VistaOrbetto::TogliPallina(Posto p)
{
    const bool cambiato = stato.TogliPallina(p);
    if (cambiato)
        sincronizza(p);
    return cambiato;
}

void VistaOrbetto::SvuotaOrbetto()
{
    stato.SvuotaOrbetto();
    for (Posto p : stato.aste())
        sincronizza(p);
}

void VistaOrbetto::ImpostaPalline(Posto p, int n)
{
    stato.ImpostaPalline(p, n);
    sincronizza(p);
}

QRect VistaOrbetto::impostaVisibile(Posto p, int indice, bool visibile)
{
    stato.impostaVisibile(p, indice, visibile);
    Pallina *b = pallina(p, indice);
    if (!b)
        return {};
    b->setVisible(stato.visibile(p, indice));
    return b->geometry();
}

QRect VistaOrbetto::commuta(Posto p, int indice)
{
    return impostaVisibile(p, indice, !stato.visibile(p, indice));
}

void VistaOrbetto::impostaConteggio(Posto p, qint16 n)
{
    stato.impostaConteggio(p, n);
    annuncia(p);
}

void VistaOrbetto::collegaBottoniAggiungiTogli(std::function<void(Posto)> dopo)
{
    connect(this, &VistaOrbetto::premuto, this, [this, dopo](Posto p, Qt::MouseButton tasto) {
        const bool cambiato = tasto == Qt::LeftButton ? AggiungiPallina(p) : TogliPallina(p);
        if (cambiato && dopo)
            dopo(p);
    });
}

BottoneAsta *VistaOrbetto::bottone(Posto p) const
{
    const Asta *a = asta(p);
    return a ? a->bottone : nullptr;
}

bool VistaOrbetto::fuocoSullaPrimaAsta() const
{
    for (Posto p : modello().aste())
        if (BottoneAsta *b = bottone(p); b && b->isEnabled()) {
            b->setFocus();
            return true;
        }
    return false;
}

Pallina *VistaOrbetto::pallina(Posto p, int indice) const
{
    const Asta *a = asta(p);
    if (!a || indice < 0 || indice >= int(a->palline.size()))
        return nullptr;
    return a->palline[std::size_t(indice)];
}
