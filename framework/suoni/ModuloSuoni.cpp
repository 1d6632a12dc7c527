// SPDX-License-Identifier: GPL-3.0-or-later
// One preloaded QSoundEffect per WAV file: playing never waits for a file,
// and no effect ever gets a second source (that can stall in Qt 6.4).
#include "ModuloSuoni.h"

#include <QFileInfo>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <memory>

class ModuloSuoni : public QObject, public LettoreSuoni
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LettoreSuoni_iid)
    Q_INTERFACES(LettoreSuoni)

public:
    void prepara(const QString &percorso) override { effetto(percorso); }
    void suona(const QString &percorso) override
    {
        if (QSoundEffect *e = effetto(percorso))
            e->play();
    }

private:
    QSoundEffect *effetto(const QString &percorso)
    {
        auto trovato = effetti.find(percorso);
        if (trovato != effetti.end())
            return trovato->second.get();
        std::unique_ptr<QSoundEffect> nuovo;
        // A file of several megabytes is no beep: refused as if missing, so
        // a stray recording in "suoni" cannot fill the memory.
        const QFileInfo file(percorso);
        if (file.isFile() && file.size() <= limiteFileSuono) {
            nuovo = std::make_unique<QSoundEffect>();
            nuovo->setSource(QUrl::fromLocalFile(percorso));
        }
        // A missing file is remembered too, so it is looked up only once.
        return effetti.emplace(percorso, std::move(nuovo)).first->second.get();
    }

    std::map<QString, std::unique_ptr<QSoundEffect>> effetti;
};

#include "ModuloSuoni.moc"
