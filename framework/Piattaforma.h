// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CodaStampa.h"
#include "Impaginazione.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;

class QWidget;

// What the program asks of the outside world, one service per concern: a
// class takes only the services it uses. The Qt implementation talks to
// the real system; the tests replace all of them with one scripted object.

// Chance.
class Caso
{
public:
    virtual ~Caso() = default;
    // A real number uniform in [0, 1); never 1.0.
    virtual double casuale() = 0;
    virtual void riseminaDallOrologio() = 0;
};

// Time: steps later from the event loop, and today's date.
class Tempo
{
public:
    virtual ~Tempo() = default;
    // Runs passo from the event loop once the given seconds have passed,
    // unless proprietario is destroyed first. Nothing waits meanwhile.
    virtual void dopo(double secondi, QObject *proprietario, std::function<void()> passo) = 0;
    virtual QDate oggi() = 0;
    // Seconds on a steady clock, for the time spent in a window.
    virtual double orologio() = 0;
};

// Sounds.
class Suoni
{
public:
    virtual ~Suoni() = default;
    // Plays a WAV file asynchronously; a missing file is silently ignored.
    virtual void suonaWav(const QString &percorso) = 0;
    virtual void beep() = 0;
};

// Speech in Italian.
class Voce
{
public:
    virtual ~Voce() = default;
    // Gets the synthesiser ready in the background; later calls do nothing.
    virtual void preparaVoce() = 0;
    // Says testo, cutting whatever was being said, and returns at once.
    // Without a synthesiser or an Italian voice nothing is said.
    virtual void di(const QString &testo) = 0;
    // True once it is known that nothing can be said (no synthesiser, no
    // Italian voice): a dictation then shows its number.
    virtual bool voceMancante() const = 0;
};

// Message boxes and the file dialog.
class Dialoghi
{
public:
    virtual ~Dialoghi() = default;
    // A Yes/No question (true on Yes) and an OK notice.
    virtual bool chiediSiNo(QWidget *genitore, const QString &titolo, const QString &testo) = 0;
    virtual void informa(QWidget *genitore, const QString &titolo, const QString &testo) = 0;
    // A question with its own buttons: the index of the one pressed
    // (Escape and closing the box give the last).
    virtual int scegli(QWidget *genitore, const QString &titolo, const QString &testo,
                       const QStringList &bottoni) = 0;
    // An offer with the information icon and Yes/No buttons (true on Yes).
    virtual bool proponi(QWidget *genitore, const QString &titolo, const QString &testo) = 0;
    // Where to save a file: the system's dialog in the user's documents,
    // with nome proposed; replacing a file is asked first; ".pdf" is added
    // to a name without it. Empty: given up.
    virtual QString fileDaSalvare(QWidget *genitore, const QString &nome) = 0;
};

// Printing on the default printer, and the same drawings as PDF files.
class Stampe
{
public:
    virtual ~Stampe() = default;
    // Queued for the default printer; what becomes of them is reported.
    virtual void stampaFinestra(QWidget *area) = 0;
    virtual void stampaRighe(const TestoSuCarta &testo) = 0;
    virtual bool stampantePronta() = 0;
    // What became of the sheets sent to the printer, from the event loop.
    virtual void seguiStampe(CodaStampa::Avvisi avvisi) = 0;
    // Sheets sent to the printer and not yet out, the refused ones too.
    virtual int schedeDaStampare() = 0;
    // Sheets the printer refused, kept; and they go back to it.
    virtual int schedeRespinte() = 0;
    virtual void riprovaStampe() = 0;
    // Takes them out of the print queue and writes each as a PDF: file,
    // then the same name with "-2", "-3"...
    struct PdfScritto {
        QString file;
        QString motivo; // empty: written
    };
    virtual QList<PdfScritto> pdfDaStampare(const QString &file) = 0;
    // An A4 PDF file: empty when it was written whole, else why not, in
    // Italian (the file then keeps what it held before).
    virtual QString pdfFinestra(QWidget *area, const QString &file) = 0;
    virtual QString pdfRighe(const TestoSuCarta &testo, const QString &file) = 0;
};

// Where the program's files are, and the local conventions it follows.
class Sistema
{
public:
    virtual ~Sistema() = default;
    // Folder that holds "suoni", without a trailing separator.
    virtual QString cartellaProgramma() = 0;
    virtual QString separatoreMigliaia() = 0;
    // Ends the program once every window has been closed.
    virtual void terminaProgramma() = 0;
};

// All the services together: what the context hands the windows.
class Piattaforma : public Caso, public Tempo, public Suoni, public Voce, public Dialoghi, public Stampe, public Sistema
{
};
