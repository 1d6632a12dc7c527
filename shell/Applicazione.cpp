#include "Applicazione.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

void preparaApplicazione(QApplication &app)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
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
