// SPDX-License-Identifier: GPL-3.0-or-later
#include "PiattaformaQt.h"

#include "framework/voce/ModuloVoce.h"

#include "FinestraProgramma.h"
#include "Geometria.h"
#include "Testi.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStorageInfo>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QFileInfo>
#include <QLocale>
#include <QGridLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <random>

#ifndef ORBETTO_CARTELLA_DATI
#define ORBETTO_CARTELLA_DATI "/usr/local/share/orbetto"
#endif
#ifndef ORBETTO_CARTELLA_MODULI
#define ORBETTO_CARTELLA_MODULI "/usr/local/lib/orbetto"
#endif

namespace {

// A plugin given by path, else beside the program, else in the installed
// library folder.
QString percorsoModulo(const QString &dato, const QString &nome)
{
    if (!dato.isEmpty())
        return dato;
    const QString accanto = QCoreApplication::applicationDirPath() + QLatin1Char('/') + nome;
    return QFileInfo(accanto).isFile() ? accanto : QStringLiteral(ORBETTO_CARTELLA_MODULI "/") + nome;
}

// Opens the speech plugin on the speech thread; unloading it (and so
// closing the synthesiser) goes with the last reference.
CodaVoce::Apertura aperturaVoce(const QString &percorso)
{
    return [percorso]() -> std::shared_ptr<LettoreVoce> {
        auto caricatore = std::make_shared<QPluginLoader>(percorso);
        auto *lettore = qobject_cast<LettoreVoce *>(caricatore->instance());
        if (!lettore)
            return nullptr;
        return {lettore, [caricatore](LettoreVoce *) { caricatore->unload(); }};
    };
}

} // namespace

PiattaformaQt::PiattaformaQt(const QString &c, const QString &m, const QString &v)
    : cartella(c), voce(aperturaVoce(percorsoModulo(v, nomeModuloVoce)))
{
    riseminaDallOrologio();
    modulo.setFileName(percorsoModulo(m, nomeModuloSuoni));
}

PiattaformaQt::~PiattaformaQt()
{
    // The player and its sound effects go before the application does.
    if (lettore)
        modulo.unload();
}

double casualeDaBit(quint64 bit)
{
    return double(bit >> 11) * 0x1.0p-53;
}

double PiattaformaQt::casuale()
{
    // On a 2^-53 grid 1.0 is out of reach, so floor(Casuale * n) never
    // reaches n, whatever n a draw uses.
    return casualeDaBit(generatore.generate());
}

void PiattaformaQt::riseminaDallOrologio()
{
    // All 64 bits of the clocks: seed(quint32) would keep only the low half.
    const quint64 v = quint64(QDateTime::currentMSecsSinceEpoch())
                      ^ quint64(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq semi{quint32(v), quint32(v >> 32)};
    generatore.seed(semi);
}

bool PiattaformaQt::apriModulo()
{
    if (!moduloProvato) {
        moduloProvato = true;
        lettore = qobject_cast<LettoreSuoni *>(modulo.instance());
    }
    return lettore != nullptr;
}

void PiattaformaQt::precaricaSuoni()
{
    // The print support is loaded in the background too, before any sheet.
    coda.cercaStampante();
    if (!apriModulo())
        return;
    const QDir suoni(cartellaProgramma() + QStringLiteral("/suoni"));
    const auto nomi = suoni.entryList({QStringLiteral("*.wav")}, QDir::Files);
    for (const QString &nome : nomi)
        lettore->prepara(suoni.filePath(nome));
}

void PiattaformaQt::suonaWav(const QString &percorso)
{
    if (apriModulo())
        lettore->suona(percorso);
}

void PiattaformaQt::preparaVoce()
{
    voce.avvia();
}

void PiattaformaQt::di(const QString &testo)
{
    // Silence asked of a synthesiser never started: nothing to start.
    if (testo.isEmpty() && voce.stato() == CodaVoce::Stato::Spenta)
        return;
    voce.di(testo);
}

void PiattaformaQt::beep()
{
    QApplication::beep();
}

void PiattaformaQt::dopo(double secondi, QObject *proprietario, std::function<void()> passo)
{
    // A precise timer on the monotonic clock: no midnight problem, no
    // processor time while it waits, and it dies with its owner.
    QTimer::singleShot(std::chrono::milliseconds(qRound64(secondi * 1000)), Qt::PreciseTimer, proprietario,
                       std::move(passo));
}

static QString righeSchermo(QString testo)
{
    return testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A box as large as the window it belongs to (9-point text is lost on a
// whiteboard), and wide enough for its whole title.
static void allaScalaDellaFinestra(QMessageBox &box, QWidget *genitore)
{
    const auto *finestra = genitore ? qobject_cast<const FinestraProgramma *>(genitore->window()) : nullptr;
    const double s = finestra ? std::max(1.0, finestra->scala()) : 1.0;
    QFont f = box.font();
    f.setPointSizeF(f.pointSizeF() * s);
    box.setFont(f);
    const QList<QAbstractButton *> bottoni = box.buttons();
    for (QAbstractButton *b : bottoni)
        b->setFont(f);
    if (auto *griglia = qobject_cast<QGridLayout *>(box.layout())) {
        const int larghezza = QFontMetrics(f).horizontalAdvance(box.windowTitle()) + int(140 * s);
        griglia->addItem(new QSpacerItem(larghezza, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), griglia->rowCount(),
                         0, 1, griglia->columnCount());
    }
}

bool PiattaformaQt::chiediSiNo(QWidget *genitore, const QString &titolo, const QString &testo)
{
    QMessageBox box(QMessageBox::Question, titolo, righeSchermo(testo), QMessageBox::Yes | QMessageBox::No, genitore);
    allaScalaDellaFinestra(box, genitore);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void PiattaformaQt::informa(QWidget *genitore, const QString &titolo, const QString &testo)
{
    QMessageBox box(QMessageBox::Information, titolo, righeSchermo(testo), QMessageBox::Ok, genitore);
    allaScalaDellaFinestra(box, genitore);
    box.exec();
}

int PiattaformaQt::scegli(QWidget *genitore, const QString &titolo, const QString &testo, const QStringList &bottoni)
{
    QMessageBox box(QMessageBox::Question, titolo, righeSchermo(testo), QMessageBox::NoButton, genitore);
    QList<QAbstractButton *> premibili;
    for (const QString &b : bottoni)
        premibili.append(box.addButton(b, QMessageBox::ActionRole));
    if (premibili.isEmpty())
        return -1;
    box.setDefaultButton(qobject_cast<QPushButton *>(premibili.constFirst()));
    box.setEscapeButton(premibili.constLast());
    allaScalaDellaFinestra(box, genitore);
    box.exec();
    const qsizetype scelto = premibili.indexOf(box.clickedButton());
    return int(scelto < 0 ? premibili.size() - 1 : scelto);
}

FiguraFinestra registraFinestra(QWidget *area)
{
    // Recorded as drawing commands, so that text stays text and the page is
    // vector graphics rather than a printer-resolution bitmap.
    FiguraFinestra f{QPicture(), area->size()};
    // What is there for the screen only (the keyboard's focus mark) is not
    // part of the sheet.
    QList<QWidget *> nascosti;
    const auto figli = area->findChildren<QWidget *>();
    for (QWidget *w : figli)
        if (w->property(geo::soloSulloSchermo).toBool() && !w->isHidden())
            nascosti.append(w);
    for (QWidget *w : nascosti)
        w->hide();
    QPainter registra(&f.figura);
    area->render(&registra, QPoint(), QRegion(), QWidget::DrawChildren);
    registra.end();
    for (QWidget *w : nascosti)
        w->show();
    return f;
}

bool stampaFigura(const FiguraFinestra &f, QPagedPaintDevice &stampante)
{
    // A window wider than tall goes on a landscape page, as large as fits.
    if (f.dimensione.width() > f.dimensione.height())
        stampante.setPageOrientation(QPageLayout::Landscape);
    QPainter pagina;
    if (!pagina.begin(&stampante))
        return false;
    QRectF utile = stampante.pageLayout().paintRectPixels(stampante.logicalDpiX());
    // The pupil's name, class and date above the sheet.
    QFont intestazione(QStringLiteral("Liberation Sans"));
    intestazione.setPointSize(12);
    pagina.setFont(intestazione);
    const QFontMetrics metriche(intestazione, &stampante);
    pagina.drawText(QPointF(0, metriche.ascent()), testi::intestazioneFoglio);
    const double sotto = metriche.lineSpacing() * 1.8;
    utile.setTop(utile.top() + sotto);
    const QSizeF origine = f.dimensione;
    const double scala = std::min(utile.width() / origine.width(), utile.height() / origine.height());
    // Playing a picture already scales it from its own resolution to the
    // printer's: only the rest of the fit to the page is ours.
    const double giaScalata = double(stampante.logicalDpiX()) / f.figura.logicalDpiX();
    pagina.translate(0, sotto);
    pagina.scale(scala / giaScalata, scala / giaScalata);
    pagina.drawPicture(0, 0, f.figura);
    return pagina.end();
}

bool disegnaFinestra(QWidget *area, QPagedPaintDevice &stampante)
{
    return stampaFigura(registraFinestra(area), stampante);
}

bool scriviRighe(const TestoSuCarta &testo, QPagedPaintDevice &stampante)
{
    const Impaginato impaginato = impagina(testo, stampante);
    // Before the painter begins: the page it opens has this orientation.
    stampante.setPageOrientation(impaginato.orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter pagina;
    if (!pagina.begin(&stampante))
        return false;
    QFont font(testo.carattere);
    font.setPointSizeF(impaginato.punti);
    pagina.setFont(font);
    const QFontMetrics metriche(font, &stampante);
    const int altezza = stampante.pageLayout().paintRectPixels(stampante.logicalDpiX()).height();
    bool prima = true;
    for (const QStringList &righe : impaginato.pagine) {
        if (!prima)
            stampante.newPage();
        prima = false;
        int y = metriche.ascent();
        for (const QString &riga : righe) {
            // A block taller than a page still goes on.
            if (y + metriche.descent() > altezza) {
                stampante.newPage();
                y = metriche.ascent();
            }
            pagina.drawText(0, y, riga);
            y += metriche.lineSpacing();
        }
    }
    return pagina.end();
}

// The printer is looked for and fed on the print queue's thread: a stalled
// print server holds the job, not the window. No printer: nothing printed.
void PiattaformaQt::stampaFinestra(QWidget *area)
{
    if (!area)
        return;
    coda.accoda([figura = registraFinestra(area)](QPagedPaintDevice &pagina) { return stampaFigura(figura, pagina); });
}

bool PiattaformaQt::stampantePronta()
{
    // Asked without freezing the window: a print server that does not
    // answer in time counts as the last answer, or as a printer when none is
    // known (a sheet that then cannot go out is reported by the queue).
    return coda.stampante(std::chrono::milliseconds(50)).value_or(true);
}

QString scriviFileIntero(const QString &file, const QByteArray &dati)
{
    const QFileInfo info(file);
    const QFileInfo cartella(info.absolutePath());
    if (!cartella.isDir())
        return QStringLiteral("La cartella non esiste.");
    QSaveFile uscita(file);
    // Unbuffered: a write the disk refuses fails here, with its errno.
    if (!uscita.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (!cartella.isWritable())
            return QStringLiteral("Non c'è il permesso di scrivere in questa cartella.");
        if (info.exists() && !info.isWritable())
            return QStringLiteral("Il file è di sola lettura: non può essere sostituito.");
        return QStringLiteral("Il file non può essere creato.");
    }
    errno = 0;
    const bool intero = uscita.write(dati) == dati.size();
    const int errore = errno;
    if (intero && uscita.commit())
        return {};
    uscita.cancelWriting();
    const qint64 libero = QStorageInfo(cartella.absoluteFilePath()).bytesAvailable();
    if (errore == ENOSPC || errore == EFBIG
#ifdef EDQUOT
        || errore == EDQUOT
#endif
        || (libero >= 0 && libero < dati.size()))
        return QStringLiteral("Sul disco non c'è abbastanza spazio.");
    return QStringLiteral("Il disco non ha accettato il file.");
}

QString scriviPdf(const QString &file, const DisegnoStampa &disegna)
{
    // Drawn in memory first: the file is touched only with the whole PDF.
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&memoria);
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        if (!disegna(pdf))
            return QStringLiteral("La pagina non è stata disegnata.");
    }
    if (memoria.data().isEmpty())
        return QStringLiteral("La pagina non è stata disegnata.");
    return scriviFileIntero(file, memoria.data());
}

QString PiattaformaQt::pdfFinestra(QWidget *area, const QString &file)
{
    return scriviPdf(file, [area](QPagedPaintDevice &pdf) { return disegnaFinestra(area, pdf); });
}

QString PiattaformaQt::pdfRighe(const TestoSuCarta &testo, const QString &file)
{
    return scriviPdf(file, [&](QPagedPaintDevice &pdf) { return scriviRighe(testo, pdf); });
}

QString PiattaformaQt::fileDaSalvare(QWidget *genitore, const QString &nome)
{
    // Qt's own dialog asks before it replaces a file, with ".pdf" added
    // first; it starts where the last sheet went, else in the documents.
    if (ultimaCartella.isEmpty())
        ultimaCartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialogo(genitore, QStringLiteral("Salva PDF"), ultimaCartella + QLatin1Char('/') + nome,
                        QStringLiteral("PDF (*.pdf)"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    const QString file = dialogo.selectedFiles().constFirst();
    ultimaCartella = QFileInfo(file).absolutePath();
    return file;
}

bool PiattaformaQt::proponi(QWidget *genitore, const QString &titolo, const QString &testo)
{
    QMessageBox box(QMessageBox::Information, titolo, righeSchermo(testo), QMessageBox::Yes | QMessageBox::No, genitore);
    allaScalaDellaFinestra(box, genitore);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QDate PiattaformaQt::oggi()
{
    return QDate::currentDate();
}

double PiattaformaQt::orologio()
{
    if (!daAvvio.isValid())
        daAvvio.start();
    return double(daAvvio.elapsed()) / 1000.0;
}

void PiattaformaQt::stampaRighe(const TestoSuCarta &testo)
{
    coda.accoda([testo](QPagedPaintDevice &pagina) { return scriviRighe(testo, pagina); });
}

void PiattaformaQt::seguiStampe(CodaStampa::Avvisi avvisi)
{
    coda.seguiCon(std::move(avvisi));
}

int PiattaformaQt::schedeDaStampare()
{
    return coda.inAttesa();
}

QList<Piattaforma::PdfScritto> PiattaformaQt::pdfDaStampare(const QString &file)
{
    // Written first, then out of the queue: a sheet not written stays there.
    const std::vector<CodaStampa::Foglio> fogli = coda.fogli();
    std::vector<DisegnoStampa> disegni;
    for (const CodaStampa::Foglio &f : fogli)
        disegni.push_back(f.disegno);
    const QList<PdfScritto> scritti = scriviPdfNumerati(file, disegni);
    std::vector<unsigned> salvati;
    for (qsizetype i = 0; i < scritti.size(); ++i)
        if (scritti[i].motivo.isEmpty())
            salvati.push_back(fogli[std::size_t(i)].numero);
    coda.ritira(salvati);
    return scritti;
}

QList<Piattaforma::PdfScritto> scriviPdfNumerati(const QString &file, const std::vector<DisegnoStampa> &fogli)
{
    // "schede.pdf", "schede-2.pdf"...: the first as the teacher named it.
    const QFileInfo info(file);
    const QString base = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    const QString suffisso = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QList<Piattaforma::PdfScritto> scritti;
    for (std::size_t i = 0; i < fogli.size(); ++i) {
        const QString nome = i == 0 ? file : base + QLatin1Char('-') + QString::number(i + 1) + suffisso;
        scritti.append({nome, scriviPdf(nome, fogli[i])});
    }
    return scritti;
}

bool PiattaformaQt::stampeFinite(int millisecondi)
{
    return coda.aspetta(std::chrono::milliseconds(millisecondi));
}

QString PiattaformaQt::cartellaProgramma()
{
    if (cartella.isEmpty()) {
        // "suoni" beside the program (build tree, portable copy) first,
        // then the installed data folder.
        const QString accanto = QCoreApplication::applicationDirPath();
        cartella = QFileInfo(accanto + QStringLiteral("/suoni")).isDir()
                       ? accanto
                       : QStringLiteral(ORBETTO_CARTELLA_DATI);
    }
    return cartella;
}

QString PiattaformaQt::separatoreMigliaia()
{
    // The abacus marks the thousands with a fixed "." and the option
    // captions carry one: the number beside them uses the same, whatever
    // the system's language ("6,032" under LANG=C read as six).
    return QStringLiteral(".");
}

void PiattaformaQt::terminaProgramma()
{
    QCoreApplication::quit();
}
