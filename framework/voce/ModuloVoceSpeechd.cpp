// SPDX-License-Identifier: GPL-3.0-or-later
// Speech on Linux through speech-dispatcher and its Italian voice (espeak-ng
// on Debian). Only the language is asked for: listing the voices takes
// seconds, and the synthesiser picks its own Italian one.
#include "ModuloVoce.h"

#include <QObject>

#include <libspeechd.h>

#include <csignal>
#include <ctime>
#include <pthread.h>

namespace {

// A daemon that ends (killed, crashed) leaves a closed socket: writing to
// it raises SIGPIPE, which would end the whole program. On the speech
// thread, where every call of this plugin runs, the signal is blocked, so
// the write fails and the connection is opened again.
void senzaSigpipe()
{
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    // One left pending by a broken write goes, so none builds up.
    const timespec subito{};
    while (sigtimedwait(&pipe, nullptr, &subito) > 0) {
    }
}

} // namespace

class ModuloVoceSpeechd : public QObject, public LettoreVoce
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LettoreVoce_iid)
    Q_INTERFACES(LettoreVoce)

public:
    ~ModuloVoceSpeechd() override
    {
        // Closed where the plugin is unloaded, maybe after the daemon ended.
        senzaSigpipe();
        if (connessione)
            spd_close(connessione);
    }

    bool apri() override
    {
        senzaSigpipe();
        // Opened again after a broken connection: the old one goes first.
        if (connessione) {
            spd_close(connessione);
            connessione = nullptr;
        }
        char *errore = nullptr;
        // Started on demand, as the desktop does when no daemon runs.
        connessione = spd_open2("orbetto", "esercizi", nullptr, SPD_MODE_SINGLE, nullptr, 1, &errore);
        free(errore);
        if (!connessione)
            return false;
        if (spd_set_language(connessione, "it") != 0) {
            spd_close(connessione);
            connessione = nullptr;
        }
        return connessione != nullptr;
    }

    bool di(const QString &testo) override
    {
        if (!connessione)
            return false;
        senzaSigpipe();
        const bool tagliato = spd_cancel(connessione) == 0;
        if (testo.isEmpty())
            return tagliato;
        return spd_say(connessione, SPD_TEXT, testo.toUtf8().constData()) >= 0;
    }

private:
    SPDConnection *connessione = nullptr;
};

#include "ModuloVoceSpeechd.moc"
