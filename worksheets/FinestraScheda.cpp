// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraScheda.h"

#include "FormStampa.h"
#include "SalvaPdf.h"
#include "PiccoloOrbetto.h"
#include "framework/Contesto.h"
#include "framework/Controlli.h"
#include "framework/Geometria.h"
#include "framework/Piattaforma.h"
#include "words/NumeriInLettere.h"

#include <QAction>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <algorithm>

namespace {

const char *const righeScrittura = "____________________\n____________________\n____________\n";

using D = DescrizioneScheda;

// Where a number word may break on paper: after its thousands and after its
// hundreds (DUEMILA|TRECENTO|QUARANTACINQUE), never inside a part.
constexpr QChar spezzaQui(0x200B);

QString conSpezzature(QString testo)
{
    static const QRegularExpression parti(QStringLiteral("(MILA|MILLE|CENTO)(?=[A-Z\u00C9])"));
    return testo.replace(parti, QStringLiteral("\\1") + spezzaQui);
}

// One type size for the whole sheet: the largest, from massimo points down,
// at which every word (on paper: every part of a word) of every box fits on
// a line of its box, and the box holds all its lines. Measured at scale 1,
// as the places are.
void adatta(const std::array<QPlainTextEdit *, 8> &caselle, double massimo = 9.75)
{
    QFont font = caselle[0]->font();
    double punti = massimo;
    static const QRegularExpression separatori(QStringLiteral("[ \u200B]"));
    for (; punti > 4; punti -= 0.25) {
        font.setPointSizeF(punti);
        const QFontMetrics misura(font);
        bool entra = true;
        for (const QPlainTextEdit *c : caselle) {
            const QRect posto = geo::postoTwips(c);
            // Some room to spare: the printer's glyphs run a little wider.
            const int larghezza = geo::px(posto.width()) - 16;
            const QString testo = c->toPlainText();
            for (const QString &parola : testo.split(separatori, Qt::SkipEmptyParts))
                entra = entra && misura.horizontalAdvance(parola) <= larghezza;
            const QRect serve = misura.boundingRect(QRect(0, 0, larghezza, 10000), Qt::TextWordWrap, testo);
            entra = entra && serve.height() <= geo::px(posto.height()) - 4;
        }
        if (entra)
            break;
    }
    font.setPointSizeF(punti);
    for (QPlainTextEdit *c : caselle)
        geo::impostaCarattere(c, font);
}

} // namespace

namespace finestreSchede {
const DescrizioneScheda formaDecine = {.aste = {{Posto::da, 600}, {Posto::u, 1320}}, .lettere = "     da         u"};
const DescrizioneScheda formaCentinaia = {
    .aste = {{Posto::h, 360}, {Posto::da, 960}, {Posto::u, 1440}}, .massimoDelRange = 999,
    .lettere = "   h     da      u", .voceStampa = {"Stampa", 10}};
const DescrizioneScheda formaMigliaia = {
    .aste = {{Posto::k, 360}, {Posto::h, 840}, {Posto::da, 1200}, {Posto::u, 1560}},
    .massimoDelRange = 9999, .righe = {360, 3600}, .altezzaTesto = 600, .lettere = "  k  .   h   da   u",
    .voceNuova = {"Nuova scheda", 11}, .voceStampa = {"Stampa", 9}};
const DescrizioneScheda leggiDecine = {.tipo = D::Tipo::Leggi, .aste = {{Posto::da, 600}, {Posto::u, 1440}},
    .colonne = {120, 2520, 4920, 7320}, .righe = {600, 3840}, .larghezzaCornice = 2175,
    .lettere = "     da          u", .svuotaTesti = true};
const DescrizioneScheda leggiCentinaia = {
    .tipo = D::Tipo::Leggi, .aste = {{Posto::h, 360}, {Posto::da, 960}, {Posto::u, 1560}},
    .massimoDelRange = 999, .colonne = {120, 2520, 4920, 7320}, .righe = {600, 3840}, .larghezzaCornice = 2175,
    .lettere = "   h     da       u", .voceStampa = {"Stampa", 10}};
const DescrizioneScheda leggiMigliaia = {.tipo = D::Tipo::Leggi,
    .aste = {{Posto::k, 420}, {Posto::h, 840}, {Posto::da, 1320}, {Posto::u, 1680}}, .massimoDelRange = 9999,
    .colonne = {120, 2400, 4680, 7080}, .righe = {480, 3600}, .larghezzaCornice = 2175, .altezzaTesto = 750,
    .lettere = "    k  .  h   da   u", .testoIniziale = righeScrittura, .voceNuova = {"Nuova scheda", 11},
    .voceStampa = {"Stampa", 11}};

} // namespace finestreSchede

FinestraScheda::FinestraScheda(Contesto &c, const QString &nome, const DescrizioneScheda &descrizione)
    : FinestraProgramma(c, nome, 9570, 7200, Ruolo::Affiancata), d(descrizione)
{
    setWindowTitle(QString());
    // A worksheet is paper: white, whatever colour the exercise had.
    impostaSfondo(Qt::white);
    QWidget *a = area();

    auto *istruzione = new QPlainTextEdit(a);
    istruzione->setObjectName(QStringLiteral("Text2"));
    geo::colloca(istruzione, QRect(120, 30, 9255, d.righe[0] - 60));
    geo::impostaCarattere(istruzione, geo::carattere(QStringLiteral("Arial"), 12, true));
    istruzione->setFrameShape(QFrame::NoFrame);
    // The thousands sheets leave the line 20 pixels: no margin above or
    // below, or the descenders are cut.
    istruzione->document()->setDocumentMargin(1);
    istruzione->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    istruzione->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No box takes the focus by itself: no cursor on the printed page.
    istruzione->setFocusPolicy(Qt::ClickFocus);
    istruzione->setPlainText(d.tipo == D::Tipo::Leggi ? QStringLiteral("Scrivi il numero in parola e in cifre\n")
                                          : QStringLiteral("Metti le palline sull'orbetto e scrivi il numero in cifra\n"));

    const int alto = d.tipo == D::Tipo::Leggi ? 360 : 240;
    const int larghezzaTesto = d.tipo == D::Tipo::Leggi ? 2175 : 2000;
    for (int i = 0; i < 8; ++i) {
        const int x = d.colonne[std::size_t(i % 4)], y = d.righe[std::size_t(i / 4)];
        auto *orbetto = new PiccoloOrbetto(a, d.aste, alto);
        orbetto->setObjectName(QStringLiteral("Frame1(%1)").arg(i));
        geo::colloca(orbetto, QRect(x, y, d.larghezzaCornice, 2175));
        auto *lettere = new EtichettaAste(QString::fromLatin1(d.lettere), orbetto);
        lettere->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        geo::colloca(lettere, QRect(0, 1800, d.larghezzaCornice, 330));
        geo::impostaCarattere(lettere, geo::carattere(QStringLiteral("Arial"), 11.25, true));
        orbetti[std::size_t(i)] = orbetto;

        auto *testo = new QPlainTextEdit(a);
        testo->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        geo::colloca(testo, QRect(x, y + 2175, larghezzaTesto, d.altezzaTesto));
        geo::impostaCarattere(testo, geo::carattere(QStringLiteral("Arial"), 9.75, true));
        // A number word is never broken: the sheet's type size makes room.
        testo->setWordWrapMode(QTextOption::WordWrap);
        testo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        testo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        testo->document()->setDocumentMargin(2);
        testo->setFocusPolicy(Qt::ClickFocus);
        testo->setPlainText(QString::fromLatin1(d.testoIniziale));
        testi[std::size_t(i)] = testo;
    }

    adatta(testi);
    creaMenu();
}

void FinestraScheda::creaMenu()
{
    QAction *nuova = voceMenu(QStringLiteral("mnuNuova"), d.voceNuova.intera());
    connect(nuova, &QAction::triggered, this, &FinestraScheda::Genera8Numeri);
    QAction *stampa = voceMenu(QStringLiteral("mnustampa"), d.voceStampa.intera());
    const auto salva = [this] {
        fogli::salvaPdf(ctx, this, QStringLiteral("scheda-") + objectName().mid(6), [this](const QString &file) {
            QString motivo;
            sullaCarta([&] { motivo = ctx.piattaforma.pdfFinestra(area(), file); });
            return motivo;
        });
    };
    connect(stampa, &QAction::triggered, this, [this, salva] {
        fogli::stampaOPdf(ctx, this, [this] { sullaCarta([this] { ctx.piattaforma.stampaFinestra(area()); }); }, salva);
    });
    connect(voceMenu(QStringLiteral("mnuSalvaPdf"), QStringLiteral("Salva PDF        ")), &QAction::triggered, this, salva);
    QAction *esci = voceMenu(QStringLiteral("mnuesci"), QStringLiteral("Esci"));
    connect(esci, &QAction::triggered, this, &FinestraScheda::chiudi);
}

void FinestraScheda::sullaCarta(const std::function<void()> &registra)
{
    // The page is recorded before the event loop runs again, so the window
    // never shows the paper's larger words.
    std::array<QString, 8> prima;
    for (std::size_t i = 0; i < testi.size(); ++i) {
        prima[i] = testi[i]->toPlainText();
        testi[i]->setPlainText(conSpezzature(prima[i]));
    }
    adatta(testi, 14);
    registra();
    for (std::size_t i = 0; i < testi.size(); ++i)
        testi[i]->setPlainText(prima[i]);
    adatta(testi);
}

void FinestraScheda::carica()
{
    Genera8Numeri();
}

void FinestraScheda::Genera8Numeri()
{
    // A maximum left over from a larger range's window is bounded to this
    // sheet's range, so no rod ever needs a tenth bead.
    const int massimo = std::min<int>(ctx.NumeroMassimo, d.massimoDelRange);
    if (d.tipo == D::Tipo::Leggi) {
        for (int i = 0; i < 8; ++i) {
            if (d.svuotaTesti)
                testi[std::size_t(i)]->clear();
            orbetti[std::size_t(i)]->svuota();
        }
    }
    std::vector<int> estratti;
    for (int i = 0; i < 8; ++i) {
        // No number twice on one sheet: drawn again while it repeats (a
        // range smaller than the sheet keeps its repeats).
        int n = ctx.estrai(massimo) + 1;
        while (massimo >= 8 && std::find(estratti.begin(), estratti.end(), n) != estratti.end())
            n = ctx.estrai(massimo) + 1;
        estratti.push_back(n);
        if (d.tipo == D::Tipo::Forma) {
            testi[std::size_t(i)]->setPlainText(NumeroInLettere(n) + QStringLiteral(" ___ "));
            continue;
        }
        PiccoloOrbetto *o = orbetti[std::size_t(i)];
        // Rods from the highest down: each takes as many beads as its
        // place fits in what is left of the number.
        int resto = n;
        for (const auto &[posto, x] : d.aste) {
            o->impostaPalline(posto, resto / pesoDi(posto));
            resto %= pesoDi(posto);
        }
    }
    adatta(testi);
}
