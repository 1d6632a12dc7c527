// SPDX-License-Identifier: GPL-3.0-or-later
#include "Applicazione.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSettings>
#include <QEvent>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QTranslator>

namespace {

// A finger held on the whiteboard must never open a context menu.
class SenzaMenuContestuale : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *evento) override { return evento->type() == QEvent::ContextMenu; }
};

// Qt 6.4 ends the program when a text box pastes by key from a clipboard
// that holds nothing, as right after logging in. A paste with nothing to paste is dropped here, for
// every text box at once; a paste with data goes on as usual.
class IncollaSoloDati : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::KeyPress) {
            auto *tasto = static_cast<QKeyEvent *>(evento);
            if (tasto->matches(QKeySequence::Paste)) {
                // Ctrl+Shift+Insert pastes the selection, as Qt does.
                const bool selezione = tasto->key() == Qt::Key_Insert
                                       && tasto->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
                return vuoti(selezione ? QClipboard::Selection : QClipboard::Clipboard);
            }
        } else if (evento->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent *>(evento)->button() == Qt::MiddleButton)
                return vuoti(QClipboard::Selection);
        }
        return false;
    }

private:
    static bool vuoti(QClipboard::Mode modo)
    {
        const QClipboard *appunti = QGuiApplication::clipboard();
        if (modo == QClipboard::Selection && !appunti->supportsSelection())
            modo = QClipboard::Clipboard;
        // Under X11 an empty clipboard is an object with no formats at all.
        const QMimeData *dati = appunti->mimeData(modo);
        return !dati || dati->formats().isEmpty();
    }
};

// The program's two faces and the worksheet's, with the free ones that
// have their metrics. The free ones are the program's own: loaded from
// their files ("caratteri" beside the program, else where the Debian
// packages put them), so the look never hangs on what fontconfig offers.
struct CarattereDiRiserva {
    QString famiglia;
    QString sostituto;
    QStringList file;
    QString cartellaDebian;
};

const CarattereDiRiserva caratteriDiRiserva[] = {
    {.famiglia = QStringLiteral("Comic Sans MS"),
     .sostituto = QStringLiteral("Comic Neue"),
     .file = {QStringLiteral("ComicNeue-Regular.otf"), QStringLiteral("ComicNeue-Bold.otf")},
     .cartellaDebian = QStringLiteral("/usr/share/fonts/opentype/comic-neue")},
    {.famiglia = QStringLiteral("Arial"),
     .sostituto = QStringLiteral("Liberation Sans"),
     .file = {QStringLiteral("LiberationSans-Regular.ttf"), QStringLiteral("LiberationSans-Bold.ttf")},
     .cartellaDebian = QStringLiteral("/usr/share/fonts/truetype/liberation")},
    {.famiglia = QStringLiteral("Liberation Mono"),
     .sostituto = QStringLiteral("Courier New"),
     .file = {QStringLiteral("LiberationMono-Regular.ttf"), QStringLiteral("LiberationMono-Bold.ttf")},
     .cartellaDebian = QStringLiteral("/usr/share/fonts/truetype/liberation")},
};

void caricaCaratteriPropri()
{
    const QDir accanto(QCoreApplication::applicationDirPath() + QStringLiteral("/caratteri"));
    for (const CarattereDiRiserva &c : caratteriDiRiserva) {
        // The system's own Comic Sans MS or Arial (on Windows) is the look;
        // Liberation Mono is itself in its files.
        if (c.famiglia != QLatin1String("Liberation Mono") && QFontDatabase::hasFamily(c.famiglia))
            continue;
        for (const QString &file : c.file) {
            const QString vicino = accanto.filePath(file);
            QFontDatabase::addApplicationFont(QFile::exists(vicino) ? vicino : c.cartellaDebian + QLatin1Char('/') + file);
        }
    }
}

} // namespace

void preparaApplicazione(QApplication &app)
{
    app.installEventFilter(new SenzaMenuContestuale(&app));
    app.installEventFilter(new IncollaSoloDati(&app));
    // The file dialog keeps its history and last folder with QSettings. The
    // program writes no file but the PDFs the teacher saves, so Qt's
    // settings point into the read-only resources: nothing is read from or
    // written to the disk, and the dialog remembers only for the run.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    for (QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat})
        for (QSettings::Scope ambito : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(formato, ambito, QStringLiteral(":/impostazioni"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Fusion caches its button images under names made from the palette,
    // and every exercise brings a new background colour: measured here, a
    // bounded cache still grew by 1.3 KB an exercise (clearing it did not
    // help either). Without the cache memory stays flat over a school day,
    // and drawing a button afresh costs no visible time.
    QPixmapCache::setCacheLimit(0);
    // The program decides itself when it ends ("Vuoi uscire dal programma?"),
    // never because a window closed while switching.
    app.setQuitOnLastWindowClosed(false);
    // "Sì" and "No" on the message boxes.
    auto *traduzione = new QTranslator(&app);
    if (traduzione->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduzione);
    // Where Comic Sans MS and Arial are missing (on Linux fontconfig
    // answers with Comic Neue and Liberation Sans), their stand-ins; the old
    // dialog font needs a word from us.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    for (const CarattereDiRiserva &c : caratteriDiRiserva)
        QFont::insertSubstitution(c.famiglia, c.sostituto);
    caricaCaratteriPropri();
}

bool schermoDisponibile()
{
#ifdef Q_OS_WIN
    return true;
#else
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
           || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#endif
}
