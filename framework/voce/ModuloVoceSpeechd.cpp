// SPDX-License-Identifier: GPL-3.0-or-later
// Speech on Linux through speech-dispatcher and its Italian voice (espeak-ng
// on Debian). Only the language is asked for: listing the voices takes
// seconds, and the synthesiser picks its own Italian one.
#include "ModuloVoce.h"

#include <QObject>

#include <libspeechd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include <pthread.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// Where libspeechd will connect, when no daemon answers there yet: the one
// it then starts is this program's. One on the network, or an address not
// understood, counts as someone else's.
std::string prestoNostro()
{
    char *errore = nullptr;
    SPDConnectionAddress *indirizzo = spd_get_default_address(&errore);
    free(errore);
    if (!indirizzo)
        return {};
    std::string libero;
    if (indirizzo->method == SPD_METHOD_UNIX_SOCKET && indirizzo->unix_socket_name) {
        sockaddr_un dove{};
        dove.sun_family = AF_UNIX;
        std::strncpy(dove.sun_path, indirizzo->unix_socket_name, sizeof dove.sun_path - 1);
        const int prova = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (prova >= 0 && ::connect(prova, reinterpret_cast<sockaddr *>(&dove), sizeof dove) != 0)
            libero = indirizzo->unix_socket_name;
        if (prova >= 0)
            ::close(prova);
    }
    SPDConnectionAddress__free(indirizzo);
    return libero;
}

std::string leggi(const std::string &file)
{
    std::ifstream f(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

bool eSpeechDispatcher(pid_t pid)
{
    return leggi("/proc/" + std::to_string(pid) + "/comm").rfind("speech-dispatch", 0) == 0;
}

// When a process started, in clock ticks since boot.
unsigned long long partenza(const std::string &pid)
{
    const std::string stat = leggi("/proc/" + pid + "/stat");
    // After the name in brackets: the state, then 18 fields before it.
    std::istringstream resto(stat.substr(std::min(stat.size(), stat.rfind(')') + 1)));
    std::string campo;
    for (int i = 0; i < 19 && resto >> campo;)
        ++i;
    unsigned long long tick = 0;
    resto >> tick;
    return tick;
}

// The daemon serving this socket, by its command line (libspeechd starts
// it with "--socket-path PATH"; it forks away, so it is no child of ours).
// The newest, should an old one still be ending there.
pid_t demoneSu(const std::string &presa)
{
    const std::string cerca = std::string("--socket-path") + '\0' + presa + '\0';
    pid_t trovato = 0;
    unsigned long long piuRecente = 0;
    std::error_code errore;
    for (const auto &voce : std::filesystem::directory_iterator("/proc", errore)) {
        const std::string nome = voce.path().filename().string();
        if (nome.empty() || nome.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t pid = std::stoi(nome);
        if (!eSpeechDispatcher(pid) || leggi("/proc/" + nome + "/cmdline").find(cerca) == std::string::npos)
            continue;
        const unsigned long long quando = partenza(nome);
        if (trovato == 0 || quando > piuRecente) {
            trovato = pid;
            piuRecente = quando;
        }
    }
    return trovato;
}

// A daemon this program started ends with it: one whose sound output
// hangs outlives its own idle timeout. Asked first, then made to.
void terminaDemone(pid_t pid)
{
    if (pid <= 0 || !eSpeechDispatcher(pid))
        return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 30 && ::kill(pid, 0) == 0 && eSpeechDispatcher(pid); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (eSpeechDispatcher(pid))
        ::kill(pid, SIGKILL);
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
        terminaDemone(demoneNostro);
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
        // Started on demand, as the desktop does when no daemon runs; one
        // that was already running is someone else's and is left alone.
        const std::string presa = prestoNostro();
        connessione = spd_open2("orbetto", "esercizi", nullptr, SPD_MODE_SINGLE, nullptr, 1, &errore);
        free(errore);
        if (!connessione)
            return false;
        if (!presa.empty()) {
            terminaDemone(demoneNostro);
            demoneNostro = demoneSu(presa);
        }
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
    pid_t demoneNostro = 0;
};

#include "ModuloVoceSpeechd.moc"
