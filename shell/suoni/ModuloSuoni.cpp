// SPDX-License-Identifier: GPL-3.0-or-later
// One preloaded QSoundEffect per WAV file: playing never waits for a file,
// and no effect ever gets a second source (that can stall in Qt 6.4).
#include "ModuloSuoni.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

struct Lettore {
    QHash<QString, QSoundEffect *> effetti;

    QSoundEffect *effetto(const QString &percorso)
    {
        auto trovato = effetti.constFind(percorso);
        if (trovato != effetti.constEnd())
            return trovato.value();
        QSoundEffect *nuovo = nullptr;
        // A file of several megabytes is no beep: refused as if missing, so
        // a stray recording in "suoni" cannot fill the memory.
        const QFileInfo file(percorso);
        if (file.isFile() && file.size() <= limiteFileSuono) {
            nuovo = new QSoundEffect;
            nuovo->setSource(QUrl::fromLocalFile(percorso));
        }
        // A missing file is remembered too, so it is looked up only once.
        effetti.insert(percorso, nuovo);
        return nuovo;
    }

    ~Lettore() { qDeleteAll(effetti); }
};

} // namespace

extern "C" {

Q_DECL_EXPORT void *orbetto_suoni_apri()
{
    return new Lettore;
}

Q_DECL_EXPORT void orbetto_suoni_prepara(void *lettore, const QString &percorso)
{
    static_cast<Lettore *>(lettore)->effetto(percorso);
}

Q_DECL_EXPORT void orbetto_suoni_suona(void *lettore, const QString &percorso)
{
    if (QSoundEffect *e = static_cast<Lettore *>(lettore)->effetto(percorso))
        e->play();
}

Q_DECL_EXPORT void orbetto_suoni_chiudi(void *lettore)
{
    delete static_cast<Lettore *>(lettore);
}
}
