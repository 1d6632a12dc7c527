// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormMenu.h"

#include "framework/Colori.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/Geometria.h"

#include <QButtonGroup>

namespace {

struct BottoneEsercizio {
    const char *nome;
    const char *didascalia;
    const char *finestra;
    int sinistra, alto;
};

// Captions exactly as the pupils know them, double blanks included.
constexpr BottoneEsercizio bottoni[] = {
    {"Command14", "inserisci le palline ", "Form4", 120, 915},
    {"Command15", "scrivi il numero in parola", "Form5", 135, 1545},
    {"Command16", "scrivi il numero in cifre", "Form6", 120, 2175},
    {"Command6", "inserisci le palline ", "Form99a", 105, 3255},
    {"Command5", "scrivi il numero in lettere", "Form99b1", 120, 3885},
    {"Command35", "scrivi il numero in cifre", "Form99b", 105, 4515},
    {"Command8", "addizioni  senza cambio", "Form99c1", 105, 5145},
    {"Command20", "addizioni  con il cambio", "Form99c", 3345, 255},
    {"Command9", "sottrazioni  senza cambio", "Form99d1", 3345, 885},
    {"Command25", "sottrazioni   con il cambio", "Form99d", 3345, 1515},
    {"Command2", "inserisci le palline ", "Form999a", 3255, 2655},
    {"Command3", "scrivi il numero in lettere", "Form999b1", 3255, 3285},
    {"Command10", "scrivi il numero in cifre", "Form999b", 3255, 3915},
    {"Command4", "addizioni  con il cambio", "Form999c", 3255, 4545},
    {"Command7", "sottrazioni   con il cambio", "Form999d", 3255, 5175},
    {"Command13", "inserisci le palline ", "F9999a", 6405, 735},
    {"Command12", "scrivi il numero in parola", "F9999c", 6405, 1365},
    {"Command11", "scrivi il numero in cifre", "F9999b", 6405, 1995},
};

struct Sezione {
    const char *nome;
    const char *testo;
    int sinistra, alto, larghezza, altezza;
};

constexpr Sezione sezioni[] = {
    {"Label4", "unità", 240, 360, 2895, 405},
    {"Label1", "decine e unità", 240, 3000, 2895, 405},
    {"Label2", "centinaia decine e unità", 3360, 2340, 2895, 405},
    {"Label3", "migliaia centinaia decine e unità", 6510, 210, 2895, 615},
};

} // namespace

FormMenu::FormMenu(Contesto &c) : FinestraProgramma(c, QStringLiteral("FormMenu"), 10545, 7830, Ruolo::Principale)
{
    setWindowTitle(QStringLiteral("Orbetto"));
    tabPerColonne();
    const QFont fontBottoni = geo::carattere(QStringLiteral("Arial"), 9.75, true);
    const QFont fontSezioni = geo::carattere(QStringLiteral("MS Sans Serif"), 9.75, true);
    for (const Sezione &s : sezioni)
        controlli::etichetta(area(), QString::fromLatin1(s.nome), QString::fromUtf8(s.testo),
                             QRect(s.sinistra, s.alto, s.larghezza, s.altezza), fontSezioni);
    for (const BottoneEsercizio &b : bottoni) {
        QPushButton *p = controlli::bottone(area(), QString::fromLatin1(b.nome), QString::fromUtf8(b.didascalia),
                                            QRect(b.sinistra, b.alto, 3000, 495), fontBottoni);
        const QString finestra = QString::fromLatin1(b.finestra);
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
