// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodaStampa.h"

#include <QPrinterInfo>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct CodaStampa::Stato {
    std::mutex mutex;
    std::condition_variable cambiato;
    std::deque<std::function<bool()>> lavori;
    bool lavora = false;
    std::optional<bool> stampante;
    unsigned risposte = 0;
};

CodaStampa::CodaStampa() : stato(std::make_shared<Stato>()) {}

CodaStampa::~CodaStampa()
{
    // A working printer gets what it was handed; a stalled one is given up.
    aspetta(std::chrono::seconds(3));
}

void CodaStampa::cercaStampante()
{
    accoda([] { return !QPrinterInfo::defaultPrinter().isNull(); });
}

std::optional<bool> CodaStampa::stampante(std::chrono::milliseconds attesa)
{
    unsigned prima = 0;
    {
        std::lock_guard blocco(stato->mutex);
        prima = stato->risposte;
    }
    cercaStampante();
    std::unique_lock blocco(stato->mutex);
    stato->cambiato.wait_for(blocco, attesa, [this, prima] { return stato->risposte > prima; });
    return stato->stampante;
}

void CodaStampa::accoda(std::function<bool()> lavoro)
{
    std::lock_guard blocco(stato->mutex);
    stato->lavori.push_back(std::move(lavoro));
    if (!stato->lavora) {
        stato->lavora = true;
        avvia();
    }
}

bool CodaStampa::aspetta(std::chrono::milliseconds attesa)
{
    std::unique_lock blocco(stato->mutex);
    return stato->cambiato.wait_for(blocco, attesa, [this] { return !stato->lavora; });
}

void CodaStampa::avvia()
{
    // The thread keeps the state alive: it may outlive this queue.
    std::thread([s = stato] {
        std::unique_lock blocco(s->mutex);
        while (!s->lavori.empty()) {
            std::function<bool()> lavoro = std::move(s->lavori.front());
            s->lavori.pop_front();
            blocco.unlock();
            const bool trovata = lavoro();
            blocco.lock();
            s->stampante = trovata;
            ++s->risposte;
            s->cambiato.notify_all();
        }
        s->lavora = false;
        s->cambiato.notify_all();
    }).detach();
}
