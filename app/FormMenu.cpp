// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormMenu.h"

#include "Catalogo.h"

#include "framework/Colori.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/Geometria.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QMenu>

namespace {

// The headings of the menu's sections.
struct Etichetta {
    const char *nome = "";
    Sezione sezione = Sezione::Unita;
    QRect posto = {}; // twips
};

const Etichetta sezioni[] = {
    {.nome = "Label4", .sezione = Sezione::Unita, .posto = {240, 360, 2895, 405}},
    {.nome = "Label1", .sezione = Sezione::DecineUnita, .posto = {240, 3000, 2895, 405}},
    {.nome = "Label2", .sezione = Sezione::CentinaiaDecineUnita, .posto = {3360, 2340, 2895, 405}},
    {.nome = "Label3", .sezione = Sezione::Migliaia, .posto = {6510, 210, 2895, 615}},
};

} // namespace

FormMenu::FormMenu(Contesto &c) : FinestraProgramma(c, QStringLiteral("FormMenu"), 10545, 7830, Ruolo::Principale)
{
    tabPerColonne();
    const QFont fontBottoni = geo::carattere(QStringLiteral("Arial"), 9.75, true);
    const QFont fontSezioni = geo::carattere(QStringLiteral("MS Sans Serif"), 9.75, true);
    for (const Etichetta &s : sezioni)
        controlli::etichetta(area(), QString::fromLatin1(s.nome), nomeSezione(s.sezione),
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
    menuLezione();
    aggiornaTitolo();
}

void FormMenu::menuLezione()
{
    // "classe: ..." shows the year chosen for every window opened later.
    QMenu *classi = menuBarra(QStringLiteral("MenuClasse"), QString());
    auto *anni = new QActionGroup(classi);
    for (const AnnoDiClasse &a : anniDiClasse()) {
        QAction *voce = classi->addAction(QString::fromLatin1(a.nome));
        QString nome = QString::fromLatin1(a.nome);
        nome[0] = nome[0].toUpper();
        voce->setObjectName(QStringLiteral("mnuClasse") + nome);
        voce->setCheckable(true);
        voce->setChecked(ctx.classe == a.classe);
        anni->addAction(voce);
        connect(voce, &QAction::triggered, this, [this, c = a.classe] {
            ctx.classe = c;
            aggiornaTitolo();
        });
    }
    menuClasse = classi;

    QMenu *lezione = menuBarra(QStringLiteral("MenuLezione"), QStringLiteral("Lezione  "));
    QAction *tranquilla = lezione->addAction(QStringLiteral("modalità tranquilla"));
    tranquilla->setObjectName(QStringLiteral("mnuTranquilla"));
    tranquilla->setCheckable(true);
    tranquilla->setChecked(ctx.tranquilla);
    connect(tranquilla, &QAction::triggered, this, &FormMenu::sceltaTranquilla);
    lezione->addSeparator();
    QAction *riepilogo = lezione->addAction(QStringLiteral("Riepilogo della lezione"));
    riepilogo->setObjectName(QStringLiteral("mnuRiepilogo"));
    connect(riepilogo, &QAction::triggered, this, [this] { emit chiedeAffiancata(QStringLiteral("FormRiepilogo")); });
}

void FormMenu::aggiornaTitolo()
{
    menuClasse->setTitle(QStringLiteral("classe: ") + nomeClasse(ctx.classe) + QStringLiteral("  "));
    QString titolo = QStringLiteral("Orbetto");
    if (ctx.classe != Classe::Libera)
        titolo += QStringLiteral(" - classe ") + nomeClasse(ctx.classe);
    if (ctx.tranquilla)
        titolo += QStringLiteral(" - modalità tranquilla");
    setWindowTitle(titolo);
    riadattaBarra();
}

void FormMenu::sceltaTranquilla(bool si)
{
    ctx.tranquilla = si;
    mostraAvanzamento();
    impostaSfondo(ColoreSfondoMenu(ctx));
    aggiornaTitolo();
}

void FormMenu::mostraAvanzamento()
{
    // Calm mode always waits for "avanti": the other choice is not offered.
    const int scelta = ctx.attendeAvanti() ? 1 : 0;
    option1->button(scelta)->setChecked(true);
    Option1_Click(scelta);
    option1->button(0)->setEnabled(!ctx.tranquilla);
}

void FormMenu::carica()
{
    const QColor colore = ColoreSfondoMenu(ctx);
    mostraAvanzamento();
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
