// SPDX-License-Identifier: GPL-3.0-or-later
#include "RigaDiComando.h"

#include <QCommandLineParser>

namespace {

QString anni()
{
    QStringList nomi;
    for (const AnnoDiClasse &a : anniDiClasse())
        nomi << QString::fromLatin1(a.nome);
    return nomi.join(QStringLiteral(", "));
}

QString aiuto()
{
    return QStringLiteral("Uso: orbetto [--lavagna] [--classe ANNO] [--tranquilla]\n"
                          "Esercizi con l'abaco per la scuola primaria.\n\n"
                          "  --lavagna        ogni finestra a schermo intero, per la lavagna interattiva\n"
                          "  --classe ANNO    la classe della lezione: %1\n"
                          "  --tranquilla     modalità tranquilla: uno sfondo chiaro, nessun suono,\n"
                          "                   si prosegue sempre con \"avanti\"\n"
                          "  -h, --help       questo aiuto\n"
                          "  -v, --version    la versione del programma\n")
        .arg(anni());
}

// Qt's own options (QApplication takes them out later): with a value, and
// without.
bool opzioneDiQt(const QString &argomento, bool &conValore)
{
    static const QStringList conUnValore = {QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("style"), QStringLiteral("stylesheet"),
        QStringLiteral("session"), QStringLiteral("display"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"), QStringLiteral("qwindowtitle"), QStringLiteral("name"), QStringLiteral("title")};
    static const QStringList senza = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                      QStringLiteral("dograb"), QStringLiteral("sync")};
    QString nome = argomento;
    if (nome.startsWith(QLatin1String("--")))
        nome.remove(0, 2);
    else if (nome.startsWith(QLatin1Char('-')))
        nome.remove(0, 1);
    else
        return false;
    conValore = conUnValore.contains(nome);
    return conValore || senza.contains(nome);
}

SceltaAvvio errore(const QString &testo)
{
    SceltaAvvio s;
    s.azione = SceltaAvvio::Azione::Errore;
    s.messaggio = QStringLiteral("orbetto: ") + testo + QStringLiteral(" (orbetto --help per le opzioni)");
    return s;
}

} // namespace

SceltaAvvio leggiRigaDiComando(const QStringList &argomenti, const QString &versione)
{
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption lavagna(QStringLiteral("lavagna"));
    const QCommandLineOption tranquilla(QStringLiteral("tranquilla"));
    const QCommandLineOption classe(QStringLiteral("classe"), QString(), QStringLiteral("anno"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    p.addOptions({lavagna, tranquilla, classe, help, version});
    QStringList nostri;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        bool conValore = false;
        if (i > 0 && opzioneDiQt(argomenti[i], conValore)) {
            i += conValore;
            continue;
        }
        nostri << argomenti[i];
    }
    if (!p.parse(nostri)) {
        // Qt's own messages are in English: the program says its own.
        if (!p.unknownOptionNames().isEmpty()) {
            const QString nome = p.unknownOptionNames().constFirst();
            return errore(QStringLiteral("opzione sconosciuta \"%1%2\"").arg(nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), nome));
        }
        return errore(QStringLiteral("manca l'anno dopo --classe: %1").arg(anni()));
    }
    if (!p.positionalArguments().isEmpty())
        return errore(QStringLiteral("argomento non previsto \"%1\"").arg(p.positionalArguments().constFirst()));
    SceltaAvvio s;
    if (p.isSet(help)) {
        s.azione = SceltaAvvio::Azione::Aiuto;
        s.messaggio = aiuto();
        return s;
    }
    if (p.isSet(version)) {
        s.azione = SceltaAvvio::Azione::Versione;
        s.messaggio = QStringLiteral("orbetto %1\n").arg(versione);
        return s;
    }
    if (p.isSet(classe)) {
        const QString anno = p.values(classe).constLast();
        const auto scelta = classeDaNome(anno);
        if (!scelta)
            return errore(QStringLiteral("classe \"%1\" sconosciuta, le classi sono: %2").arg(anno, anni()));
        s.classe = *scelta;
    }
    s.lavagna = p.isSet(lavagna);
    s.tranquilla = p.isSet(tranquilla);
    return s;
}
