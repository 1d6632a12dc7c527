// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on Windows: the system's own asynchronous playback of a
// WAV file by path (PlaySoundW), one sound at a time as the program plays
// them; no Qt Multimedia.
#include "ModuloSuoni.h"

#include <QFileInfo>
#include <QObject>

#include <map>

#include <windows.h>
#include <mmsystem.h>

class ModuloSuoniWindows : public QObject, public LettoreSuoni
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LettoreSuoni_iid)
    Q_INTERFACES(LettoreSuoni)

public:
    ~ModuloSuoniWindows() override { PlaySoundW(nullptr, nullptr, 0); }

    void prepara(const QString &percorso) override { valido(percorso); }
    void suona(const QString &percorso) override
    {
        if (valido(percorso))
            PlaySoundW(reinterpret_cast<LPCWSTR>(QFileInfo(percorso).absoluteFilePath().utf16()), nullptr,
                       SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
    }

private:
    // A missing file, or one of several megabytes, plays nothing; the answer
    // is remembered, so each file is looked at once.
    bool valido(const QString &percorso)
    {
        auto trovato = noti.find(percorso);
        if (trovato != noti.end())
            return trovato->second;
        const QFileInfo file(percorso);
        const bool si = file.isFile() && file.size() <= limiteFileSuono;
        noti.emplace(percorso, si);
        return si;
    }

    std::map<QString, bool> noti;
};

#include "ModuloSuoniWindows.moc"
