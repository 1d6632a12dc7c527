// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormStampa.h"

#include "SalvaPdf.h"
#include "framework/TagliaRighe.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/Geometria.h"
#include "framework/Piattaforma.h"
#include "framework/Testi.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

namespace {

constexpr std::array<qint16, 3> caratteri{10, 12, 14};
constexpr std::array<qint16, 6> righeScelte{3, 5, 10, 15, 20, 25};

QPlainTextEdit *casella(QWidget *genitore, const QString &nome, const QRect &posto)
{
    auto *c = new QPlainTextEdit(genitore);
    c->setObjectName(nome);
    geo::colloca(c, posto);
    geo::impostaCarattere(c, geo::carattere(QStringLiteral("Arial"), 12));
    c->setLineWrapMode(QPlainTextEdit::NoWrap);
    c->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return c;
}

// A frame of option buttons in rows of `perRiga`, index i named nome(i).
QButtonGroup *gruppo(QWidget *genitore, const QString &cornice, const QString &titolo, const QString &nome,
                     const QStringList &didascalie, const QRect &posto, int perRiga)
{
    auto *g = new QGroupBox(titolo, genitore);
    g->setObjectName(cornice);
    geo::colloca(g, posto);
    geo::impostaCarattere(g, geo::carattere(QStringLiteral("Arial"), 10, true));
    auto *bottoni = new QButtonGroup(g);
    // In twips: 8 pixels from the frame's left, 22 from its top, rows 26 apart.
    const int larghezza = (posto.width() - 150) / perRiga;
    for (int i = 0; i < didascalie.size(); ++i) {
        auto *o = new OpzioneACapo(didascalie[i], g);
        o->setObjectName(QStringLiteral("%1(%2)").arg(nome).arg(i));
        geo::colloca(o, 120 + (i % perRiga) * larghezza, 330 + (i / perRiga) * 390, larghezza - 60, 360);
        bottoni->addButton(o, i);
    }
    return bottoni;
}

} // namespace

FormStampa::FormStampa(Contesto &c, const QString &nome, qint16 tipo)
    : FinestraProgramma(c, nome, 9480, 6795, Ruolo::Affiancata), tipoScheda_(tipo)
{
    setWindowTitle(QStringLiteral("Schede di addizioni e sottrazioni"));
    impostaSfondo(QColor(236, 240, 248));
    QWidget *a = area();
    txtCD = casella(a, QStringLiteral("txtCD"), QRect(120, 120, 5520, 3480));
    TextCor = casella(a, QStringLiteral("TextCor"), QRect(120, 3720, 5520, 2955));

    OptionCarattere = gruppo(a, QStringLiteral("Frame3"), QStringLiteral("Carattere"), QStringLiteral("OptionCarattere"),
                             {QStringLiteral("piccolo"), QStringLiteral("medio"), QStringLiteral("grande")},
                             QRect(5880, 120, 3480, 780), 3);
    OptionColonne = gruppo(a, QStringLiteral("Frame2"), QStringLiteral("Colonne"), QStringLiteral("OptionColonne"),
                           {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                            QStringLiteral("5"), QStringLiteral("6")},
                           QRect(5880, 1020, 3480, 780), 6);
    OptionRighe = gruppo(a, QStringLiteral("Frame1"), QStringLiteral("Righe"), QStringLiteral("OptionRighe"),
                         {QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"),
                          QStringLiteral("20"), QStringLiteral("25")},
                         QRect(5880, 1920, 3480, 1020), 3);
    OptionCarattere->button(1)->setChecked(true);
    OptionColonne->button(1)->setChecked(true);
    OptionRighe->button(1)->setChecked(true);
    connect(OptionCarattere, &QButtonGroup::idClicked, this, &FormStampa::impostaCarattere);
    connect(OptionColonne, &QButtonGroup::idClicked, this, [this](int i) {
        NumeroColonne = qint16(i + 1);
        NuovaScheda();
    });
    connect(OptionRighe, &QButtonGroup::idClicked, this, [this](int i) {
        NumeroRighe = righeScelte[std::size_t(i)];
        NuovaScheda();
    });

    const QFont fontBottoni = geo::carattere(QStringLiteral("Arial"), 12, true);
    QPushButton *nuova = controlli::bottone(a, QStringLiteral("Command2"), QStringLiteral("Nuova scheda"),
                                            QRect(5880, 3120, 3480, 690), fontBottoni);
    QPushButton *stampa = controlli::bottone(a, QStringLiteral("btnCD"), QStringLiteral("Stampa scheda"),
                                             QRect(5880, 3930, 3480, 690), fontBottoni);
    QPushButton *correzione = controlli::bottone(a, QStringLiteral("Command1"), QStringLiteral("Stampa correzione"),
                                                 QRect(5880, 4740, 3480, 690), fontBottoni);
    QPushButton *esci = controlli::bottone(a, QStringLiteral("BottoneEsci"), QStringLiteral("Esci"),
                                           QRect(5880, 5760, 3480, 840), geo::carattere(QStringLiteral("Arial"), 16, true));
    connect(nuova, &QPushButton::clicked, this, &FormStampa::NuovaScheda);
    connect(stampa, &QPushButton::clicked, this, [this] {
        fogli::stampaOPdf(ctx, this, [this] { StampaTesto(false); }, [this] { SalvaTesto(false); });
    });
    connect(correzione, &QPushButton::clicked, this, [this] {
        fogli::stampaOPdf(ctx, this, [this] { StampaTesto(true); }, [this] { SalvaTesto(true); });
    });
    // Sheet and correction as PDF files, from the menu bar: the layout of
    // the window has no free room for more buttons.
    connect(voceMenu(QStringLiteral("mnuPdfScheda"), QStringLiteral("Salva PDF scheda        ")), &QAction::triggered,
            this, [this] { SalvaTesto(false); });
    connect(voceMenu(QStringLiteral("mnuPdfCorrezione"), QStringLiteral("Salva PDF correzione")), &QAction::triggered,
            this, [this] { SalvaTesto(true); });
    connect(esci, &QPushButton::clicked, this, &FormStampa::chiudi);
}

void FormStampa::attivata()
{
    DimensioneCarattere = 12;
    NumeroRighe = 5;
    NumeroColonne = 2;
    // The marks and the size on the screen follow the values, so the screen
    // never shows one setting while the program uses another.
    OptionCarattere->button(1)->setChecked(true);
    OptionColonne->button(1)->setChecked(true);
    OptionRighe->button(1)->setChecked(true);
    impostaCarattere(1);
    NuovaScheda();
}

void FormStampa::impostaCarattere(int indice)
{
    DimensioneCarattere = caratteri[std::size_t(indice)];
    QFont f = txtCD->font();
    f.setPointSize(DimensioneCarattere);
    geo::impostaCarattere(txtCD, f);
}

void FormStampa::NuovaScheda()
{
    fatto = {};
    FaiScheda(ctx, tipoScheda_, NumeroRighe, NumeroColonne, fatto);
    // The boxes show lines; the program keeps its own line ends (CR LF).
    txtCD->setPlainText(QString(fatto.scheda).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    TextCor->setPlainText(QString(fatto.correzione).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString FormStampa::testoDa(const QPlainTextEdit *casella)
{
    return casella->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void FormStampa::SalvaTesto(bool correzione)
{
    QString cosa = tipoScheda_ >= 17 ? QStringLiteral("sottrazioni") : QStringLiteral("addizioni");
    if (correzione)
        cosa += QStringLiteral("-correzione");
    const QString testo = testoDa(correzione ? TextCor : txtCD);
    const QString modello = correzione ? testoDa(txtCD) : QString();
    fogli::salvaPdf(ctx, this, cosa, [this, testo, modello](const QString &file) {
        return ctx.piattaforma.pdfRighe(sulFoglio(testo, DimensioneCarattere, modello), file);
    });
}

TestoSuCarta FormStampa::sulFoglio(const QString &testo, int punti, const QString &foglio)
{
    // One line a row of exercises, in a fixed-pitch type so that the
    // columns stand as a grid; the name line is for paper only. The name
    // line and the sheet's title (its first lines up to the first row)
    // head every page.
    const QStringList righe = QStringList{testi::intestazioneFoglio, QString()} + righeDaStampare(testo);
    int intestazione = 2;
    int conTesto = 0;
    for (qsizetype i = 2; i < righe.size(); ++i) {
        if (!righe[i].trimmed().isEmpty() && ++conTesto == 2)
            break;
        intestazione = int(i) + 1;
    }
    if (conTesto < 2) // a title alone, or nothing: no rows to repeat it over
        intestazione = 2;
    // A correction lies on its sheet: the same pages, line for line.
    const QStringList modello = foglio.isEmpty() ? QStringList()
                                                 : QStringList{testi::intestazioneFoglio, QString()} + righeDaStampare(foglio);
    return {.righe = righe, .carattere = caratterePerFoglio, .punti = punti, .intestazione = intestazione,
            .modello = modello};
}

void FormStampa::StampaTesto(bool correzione)
{
    ctx.piattaforma.stampaRighe(
        sulFoglio(testoDa(correzione ? TextCor : txtCD), DimensioneCarattere, correzione ? testoDa(txtCD) : QString()));
}
