// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Piattaforma.h"

#include "CodaStampa.h"
#include "CodaVoce.h"
#include "framework/suoni/ModuloSuoni.h"

#include <QElapsedTimer>
#include <QPicture>
#include <QSize>

#include <QPluginLoader>
#include <QRandomGenerator64>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// A window's client area recorded as drawing commands, to print later on
// any thread.
struct FiguraFinestra {
    QPicture figura;
    QSize dimensione;
};
FiguraFinestra registraFinestra(QWidget *area);
// The recorded area as one page, scaled to fit (vector drawing).
// Each drawing returns whether the device let it paint the whole page.
bool stampaFigura(const FiguraFinestra &figura, QPagedPaintDevice &stampante);
bool disegnaFinestra(QWidget *area, QPagedPaintDevice &stampante);
// Lines of text laid out on pages (impagina), from the top of each page.
bool scriviRighe(const TestoSuCarta &testo, QPagedPaintDevice &stampante);
// An A4 PDF with margins of 10 mm drawn by disegna, then written whole to
// file or not at all: empty when written, else the reason in Italian.
QString scriviPdf(const QString &file, const DisegnoStampa &disegna);
// Several sheets as file, file-2, file-3... each written whole or not at all.
QList<Piattaforma::PdfScritto> scriviPdfNumerati(const QString &file, const std::vector<DisegnoStampa> &fogli);
// Writes dati to file through a temporary file renamed at the end, so a
// failure leaves the old file as it was: empty, or the reason in Italian.
QString scriviFileIntero(const QString &file, const QByteArray &dati);

// 53 random bits as a double of [0, 1): the top of 64 random bits, scaled
// by 2^-53, so 1.0 can never come out.
double casualeDaBit(quint64 bit);

// The real services: Qt's random generator, QSoundEffect, QMessageBox,
// the default system printer.
class PiattaformaQt : public Piattaforma
{
public:
    // cartella: the folder that holds "suoni"; empty, the program's own
    // (then the installed data folder). modulo: the sound module's path;
    // empty, beside the program (then the installed library folder).
    // moduloVoce: the speech module's path, found the same way when empty.
    explicit PiattaformaQt(const QString &cartella = {}, const QString &modulo = {},
                           const QString &moduloVoce = {});
    ~PiattaformaQt() override;

    double casuale() override;
    void riseminaDallOrologio() override;
    void suonaWav(const QString &percorso) override;
    void beep() override;
    void preparaVoce() override;
    void di(const QString &testo) override;
    bool voceMancante() const override { return voce.stato() == CodaVoce::Stato::Assente; }
    void dopo(double secondi, QObject *proprietario, std::function<void()> passo) override;
    bool chiediSiNo(QWidget *genitore, const QString &titolo, const QString &testo) override;
    void informa(QWidget *genitore, const QString &titolo, const QString &testo) override;
    void stampaFinestra(QWidget *area) override;
    void stampaRighe(const TestoSuCarta &testo) override;
    bool stampantePronta() override;
    void seguiStampe(CodaStampa::Avvisi avvisi) override;
    int schedeDaStampare() override;
    int schedeRespinte() override { return coda.respinti(); }
    void riprovaStampe() override { coda.riprova(); }
    QList<PdfScritto> pdfDaStampare(const QString &file) override;
    int scegli(QWidget *genitore, const QString &titolo, const QString &testo, const QStringList &bottoni) override;
    QString pdfFinestra(QWidget *area, const QString &file) override;
    QString pdfRighe(const TestoSuCarta &testo, const QString &file) override;
    QString fileDaSalvare(QWidget *genitore, const QString &nome) override;
    bool proponi(QWidget *genitore, const QString &titolo, const QString &testo) override;
    QDate oggi() override;
    double orologio() override;
    QString cartellaProgramma() override;
    QString separatoreMigliaia() override;
    void terminaProgramma() override;

    // Loads the sound module and every WAV of the sound folder once, so that
    // playing never waits. Called after the first window is on the screen.
    void precaricaSuoni();
    // Waits for the print jobs handed over; false when they did not end in time.
    bool stampeFinite(int millisecondi);
    // How long a sheet may wait for the printer before the teacher is told.
    void pazienzaStampa(std::chrono::milliseconds attesa) { coda.pazienza(attesa); }
    // Whether the sound module is loaded and playing.
    bool suoniAttivi() const { return lettore != nullptr; }
    // Where the speech is: not started, opening, speaking, or absent.
    CodaVoce::Stato statoVoce() const { return voce.stato(); }

private:
    // Without the module the program is silent, as without sound files.
    bool apriModulo();

    QRandomGenerator64 generatore;
    QElapsedTimer daAvvio;
    QString cartella;
    QPluginLoader modulo;
    LettoreSuoni *lettore = nullptr; // owned by the plugin loader
    bool moduloProvato = false;
    CodaStampa coda;
    CodaVoce voce;
    // The folder of the last save, for the run only.
    QString ultimaCartella;
};
