// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormMenu.h"

#include "Catalogo.h"

#include "framework/Colori.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/Geometria.h"

#include <QButtonGroup>

namespace {

// The headings of the menu's sections.
struct Etichetta {
    const char *nome = "";
    const char *testo = "";
    QRect posto = {}; // twips
};

const Etichetta sezioni[] = {
    {.nome = "Label4", .testo = "unità", .posto = {240, 360, 2895, 405}},
    {.nome = "Label1", .testo = "decine e unità", .posto = {240, 3000, 2895, 405}},
    {.nome = "Label2", .testo = "centinaia decine e unità", .posto = {3360, 2340, 2895, 405}},
    {.nome = "Label3", .testo = "migliaia centinaia decine e unità", .posto = {6510, 210, 2895, 615}},
};

} // namespace

FormMenu::FormMenu(Contesto &c) : FinestraProgramma(c, QStringLiteral("FormMenu"), 10545, 7830, Ruolo::Principale)
{
    setWindowTitle(QStringLiteral("Orbetto"));
    tabPerColonne();
    const QFont fontBottoni = geo::carattere(QStringLiteral("Arial"), 9.75, true);
    const QFont fontSezioni = geo::carattere(QStringLiteral("MS Sans Serif"), 9.75, true);
    for (const Etichetta &s : sezioni)
        controlli::etichetta(area(), QString::fromLatin1(s.nome), QString::fromUtf8(s.testo),
                             s.posto, fontSezioni);
    for (const VoceCatalogo &v : catalogo()) {
        if (!v.bottone)
            continue;
        QPushButton *p = controlli::bottone(area(), QString::fromLatin1(v.bottone), v.didascalia.intera(),
                                            QRect(v.posto, QSize(3000, 495)), fontBottoni);
        const QString finestra = QString::fromLatin1(v.nome);
        connect(p, &QPushButton::clicked, this, [this, finestra] { emit chiedeEsercizio(finestra); });
    }

    option1 = new QButtonGroup(this);
    const char *opzioni[] = {"prosegue automaticamente  negli esercizi", "attende la pressione del bottone per proseguire"};
    const int alti[] = {4920, 3720};
    for (int i = 0; i < 2; ++i) {
        auto *o = new OpzioneACapo(QString::fromUtf8(opzioni[i]), area());
        o->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        geo::colloca(o, QRect(6480, alti[i], 2895, 975));
        geo::impostaCarattere(o, fontSezioni);
        option1->addButton(o, i);
    }
    connect(option1, &QButtonGroup::idClicked, this, &FormMenu::Option1_Click);

    QPushButton *esci = controlli::bottone(area(), QStringLiteral("Command1"), QStringLiteral("Esci"),
                                           QRect(6480, 6240, 2895, 735),
                                           geo::carattere(QStringLiteral("Arial"), 18, true));
    connect(esci, &QPushButton::clicked, this, &FormMenu::chiedeUscita);
    menuVoce();
}

void FormMenu::carica()
{
    const QColor colore = ColoreSfondoMenu(ctx);
    const int scelta = ctx.AttendiBottone ? 1 : 0;
    option1->button(scelta)->setChecked(true);
    Option1_Click(scelta);
    impostaSfondo(colore);
}

void FormMenu::Option1_Click(int indice)
{
    ctx.AttendiBottone = indice == 1;
}

void FormMenu::richiestaChiusura()
{
    emit chiedeUscita();
}
