// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodaVoce.h"

#include "framework/voce/ModuloVoce.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

struct CodaVoce::Condivisa {
    std::mutex mutex;
    std::condition_variable cambiato;
    Apertura apertura;
    // Released with the queue, on the thread that made it (a plugin is
    // unloaded where it was loaded).
    std::shared_ptr<LettoreVoce> lettore;
    std::optional<QString> prossimo;
    Stato stato = Stato::Spenta;
    bool fine = false;
    bool finito = false;
    std::thread filo;
};

CodaVoce::CodaVoce(Apertura apertura) : c(std::make_shared<Condivisa>())
{
    c->apertura = std::move(apertura);
}

CodaVoce::~CodaVoce()
{
    std::unique_lock blocco(c->mutex);
    if (!c->filo.joinable())
        return;
    c->fine = true;
    c->cambiato.notify_all();
    // A synthesiser that never answers is left behind with its thread
    // (which holds the shared state), rather than holding the program's end.
    const bool finito = c->cambiato.wait_for(blocco, std::chrono::seconds(1), [this] { return c->finito; });
    std::thread filo = std::move(c->filo);
    blocco.unlock();
    if (finito)
        filo.join();
    else
        filo.detach();
}

void CodaVoce::avvia()
{
    std::lock_guard blocco(c->mutex);
    if (c->stato != Stato::Spenta)
        return;
    c->stato = Stato::Avvio;
    c->lettore = c->apertura ? c->apertura() : nullptr;
    c->filo = std::thread([s = c] { lavora(s); });
}

void CodaVoce::di(const QString &testo)
{
    avvia();
    std::lock_guard blocco(c->mutex);
    if (c->stato == Stato::Assente && !c->lettore)
        return;
    c->prossimo = testo;
    c->cambiato.notify_all();
}

CodaVoce::Stato CodaVoce::stato() const
{
    std::lock_guard blocco(c->mutex);
    return c->stato;
}

void CodaVoce::lavora(const std::shared_ptr<Condivisa> &c)
{
    LettoreVoce *lettore = c->lettore.get();
    bool pronta = lettore && lettore->apri();
    std::unique_lock blocco(c->mutex);
    c->stato = pronta ? Stato::Pronta : Stato::Assente;
    if (!pronta)
        c->prossimo.reset();
    // Without the plugin there is nothing to wait for; with it, a voice
    // that was lost (the daemon ended) is looked for again, once for each
    // text, on this thread: a press never waits for it.
    while (lettore && !c->fine) {
        c->cambiato.wait(blocco, [&c] { return c->fine || c->prossimo; });
        if (c->fine)
            break;
        const QString testo = *std::exchange(c->prossimo, std::nullopt);
        blocco.unlock();
        bool detto = pronta && lettore->di(testo);
        if (!detto && !testo.isEmpty()) {
            pronta = lettore->apri();
            detto = pronta && lettore->di(testo);
        }
        blocco.lock();
        c->stato = detto || (pronta && testo.isEmpty()) ? Stato::Pronta : Stato::Assente;
    }
    c->finito = true;
    c->cambiato.notify_all();
}
