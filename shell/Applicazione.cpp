// SPDX-License-Identifier: GPL-3.0-or-later
#include "Applicazione.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
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

} // namespace

void preparaApplicazione(QApplication &app)
{
    app.installEventFilter(new SenzaMenuContestuale(&app));
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
    // Comic Sans MS and Arial come from fontconfig (Comic Neue, Liberation
    // Sans); the old dialog font needs a word from us.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
