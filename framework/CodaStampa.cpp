// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodaStampa.h"

#ifdef ORBETTO_CUPS
#include <cups/cups.h>
#endif
#include <QObject>
#include <QtGlobal>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

using Orologio = std::chrono::steady_clock;

#ifdef Q_OS_WIN
namespace {

// The spooler's answer at the end of a job (EndPage, EndDoc) reaches Qt's
// print engine, which only warns of it and reports the job done; the
// warning is the only trace, so it is heard on the printing thread.
thread_local bool fineRifiutata = false;
QtMessageHandler altroGestore = nullptr;

void ascoltaStampa(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    if (testo.startsWith(QLatin1String("QWin32PrintEngine::end")))
        fineRifiutata = true;
    if (altroGestore)
        altroGestore(tipo, contesto, testo);
}

} // namespace
#endif

Stampante stampanteDiSistema()
{
#ifdef Q_OS_WIN
    static std::once_flag ascolto;
    std::call_once(ascolto, [] { altroGestore = qInstallMessageHandler(ascoltaStampa); });
#endif
    return {
        .cerca = [] { return !QPrinterInfo::defaultPrinter().isNull(); },
        .consegna =
            [](const DisegnoStampa &foglio) {
                const QPrinterInfo info = QPrinterInfo::defaultPrinter();
                if (info.isNull())
                    return EsitoStampa::NessunaStampante;
                QPrinter stampante(info, QPrinter::HighResolution);
#ifdef Q_OS_WIN
                // A job the spooler refuses at its start fails the painter.
                fineRifiutata = false;
#endif
                if (!foglio(stampante) || stampante.printerState() == QPrinter::Error)
                    return EsitoStampa::NonRiuscita;
#ifdef Q_OS_WIN
                if (fineRifiutata)
                    return EsitoStampa::NonRiuscita;
#endif
#ifdef ORBETTO_CUPS
                // A server that refuses the job (a queue not accepting, a
                // full one) is not seen by Qt; libcups keeps the answer to
                // this thread's last request, the job's.
                if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
                    return EsitoStampa::NonRiuscita;
#endif
                return EsitoStampa::Stampata;
            },
    };
}

namespace {

// A job: a sheet, or only a look for the printer (no sheet).
struct Lavoro {
    DisegnoStampa foglio;
    unsigned numero = 0;
};

struct InCorso {
    DisegnoStampa foglio;
    unsigned numero = 0;
    Orologio::time_point inizio;
    bool ritirato = false;
};

} // namespace

struct CodaStampa::Stato {
    const Stampante stampante;
    std::mutex mutex;
    std::condition_variable cambiato;
    std::deque<Lavoro> lavori;
    std::vector<Lavoro> respinti;
    std::optional<InCorso> corrente;
    unsigned numeri = 0;
    bool lavora = false;
    std::optional<bool> trovata;
    unsigned risposte = 0;
    std::chrono::milliseconds pazienza;

    Stato(Stampante s, std::chrono::milliseconds p) : stampante(std::move(s)), pazienza(p) {}
    // Where the reports go; both null once the queue is being destroyed.
    QObject *guardia = nullptr;
    CodaStampa *coda = nullptr;
    // Touched on the queue's own thread only.
    Avvisi avvisi;
    unsigned fermoSu = 0;

    // Sheets waiting to be handed over (the refused ones are not).
    int fogli() const
    {
        int n = corrente && corrente->foglio && !corrente->ritirato ? 1 : 0;
        for (const Lavoro &l : lavori)
            n += l.foglio ? 1 : 0;
        return n;
    }
    // Runs passo on the queue's thread, from its event loop. Under mutex.
    void posta(std::function<void(CodaStampa &)> passo)
    {
        if (guardia)
            QMetaObject::invokeMethod(guardia, [c = coda, passo = std::move(passo)] { passo(*c); },
                                      Qt::QueuedConnection);
    }
};

CodaStampa::CodaStampa(Stampante s, std::chrono::milliseconds pazienza)
    : stato(std::make_shared<Stato>(std::move(s), pazienza)),
      guardia(std::make_unique<QObject>())
{
    stato->guardia = guardia.get();
    stato->coda = this;
}

CodaStampa::~CodaStampa()
{
    {
        std::lock_guard blocco(stato->mutex);
        stato->guardia = nullptr;
        stato->coda = nullptr;
    }
    // A working printer gets what it was handed; a stalled one is given up
    // (the teacher was asked about it before the program ended).
    if (aspetta(std::chrono::seconds(3)) && lavoratore.joinable())
        lavoratore.join();
    else if (lavoratore.joinable())
        lavoratore.detach();
}

void CodaStampa::seguiCon(Avvisi avvisi)
{
    std::lock_guard blocco(stato->mutex);
    stato->avvisi = std::move(avvisi);
}

void CodaStampa::pazienza(std::chrono::milliseconds attesa)
{
    std::lock_guard blocco(stato->mutex);
    stato->pazienza = attesa;
}

void CodaStampa::cercaStampante()
{
    std::lock_guard blocco(stato->mutex);
    stato->lavori.push_back({.foglio = {}, .numero = ++stato->numeri});
    avvia();
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
    return stato->trovata;
}

void CodaStampa::accoda(DisegnoStampa foglio)
{
    std::lock_guard blocco(stato->mutex);
    stato->lavori.push_back({.foglio = std::move(foglio), .numero = ++stato->numeri});
    avvia();
    // Behind a printer already known to be stuck, the teacher hears of
    // this sheet too.
    stato->posta([](CodaStampa &c) { c.controlla(0); });
}

int CodaStampa::inAttesa() const
{
    std::lock_guard blocco(stato->mutex);
    return stato->fogli() + int(stato->respinti.size());
}

int CodaStampa::respinti() const
{
    std::lock_guard blocco(stato->mutex);
    return int(stato->respinti.size());
}

void CodaStampa::riprova()
{
    std::lock_guard blocco(stato->mutex);
    if (stato->respinti.empty())
        return;
    for (Lavoro &l : stato->respinti)
        stato->lavori.push_back(std::move(l));
    stato->respinti.clear();
    avvia();
}

std::vector<CodaStampa::Foglio> CodaStampa::fogli() const
{
    std::lock_guard blocco(stato->mutex);
    std::vector<Foglio> copie;
    for (const Lavoro &l : stato->respinti)
        copie.push_back({l.numero, l.foglio});
    if (stato->corrente && stato->corrente->foglio && !stato->corrente->ritirato)
        copie.push_back({stato->corrente->numero, stato->corrente->foglio});
    for (const Lavoro &l : stato->lavori)
        if (l.foglio)
            copie.push_back({l.numero, l.foglio});
    return copie;
}

void CodaStampa::ritira(const std::vector<unsigned> &numeri)
{
    const auto tra = [&numeri](unsigned n) { return std::find(numeri.begin(), numeri.end(), n) != numeri.end(); };
    std::lock_guard blocco(stato->mutex);
    if (stato->corrente && tra(stato->corrente->numero))
        stato->corrente->ritirato = true;
    std::erase_if(stato->lavori, [&tra](const Lavoro &l) { return l.foglio && tra(l.numero); });
    std::erase_if(stato->respinti, [&tra](const Lavoro &l) { return tra(l.numero); });
}

bool CodaStampa::aspetta(std::chrono::milliseconds attesa)
{
    std::unique_lock blocco(stato->mutex);
    return stato->cambiato.wait_for(blocco, attesa, [this] { return !stato->lavora; });
}

void CodaStampa::riferisci(EsitoStampa esito, int inAttesa)
{
    std::function<void(EsitoStampa, int)> avviso;
    {
        std::lock_guard blocco(stato->mutex);
        avviso = stato->avvisi.esito;
    }
    if (avviso)
        avviso(esito, inAttesa);
}

// numero: the job whose patience ran out, or 0 after a sheet was added.
void CodaStampa::controlla(unsigned numero)
{
    std::function<void(int)> ferma;
    int fogli = 0;
    {
        std::lock_guard blocco(stato->mutex);
        const auto &c = stato->corrente;
        if (!c || Orologio::now() - c->inizio < stato->pazienza)
            return;
        // Once per stuck job, and again for every sheet put behind it.
        if (numero != 0 && (numero != c->numero || stato->fermoSu == numero))
            return;
        fogli = stato->fogli();
        if (fogli == 0)
            return;
        stato->fermoSu = c->numero;
        ferma = stato->avvisi.ferma;
    }
    if (ferma)
        ferma(fogli);
}

void CodaStampa::avvia()
{
    if (stato->lavora)
        return;
    stato->lavora = true;
    // Called under the mutex with no work running: the last worker has
    // left its loop and only ends its thread, so the join is short.
    if (lavoratore.joinable())
        lavoratore.join();
    // The thread keeps the state alive: it may outlive this queue.
    lavoratore = std::thread(&CodaStampa::lavora, stato);
}

// The worker: one job after another until none is left.
void CodaStampa::lavora(std::shared_ptr<Stato> s)
{
    std::unique_lock blocco(s->mutex);
    while (!s->lavori.empty()) {
        Lavoro lavoro = std::move(s->lavori.front());
        s->lavori.pop_front();
        const unsigned numero = lavoro.numero;
        s->corrente = InCorso{.foglio = lavoro.foglio, .numero = numero, .inizio = Orologio::now()};
        s->posta([numero, dopo = s->pazienza + std::chrono::milliseconds(1)](CodaStampa &c) {
            QTimer::singleShot(dopo, c.guardia.get(), [&c, numero] { c.controlla(numero); });
        });
        blocco.unlock();
        std::optional<EsitoStampa> esito;
        bool trovata = false;
        if (lavoro.foglio) {
            esito = s->stampante.consegna(lavoro.foglio);
            trovata = *esito != EsitoStampa::NessunaStampante;
        } else {
            trovata = s->stampante.cerca();
        }
        blocco.lock();
        const bool ritirato = s->corrente->ritirato;
        s->corrente.reset();
        s->trovata = trovata;
        ++s->risposte;
        // A refused sheet is kept: the teacher may try again or save it.
        if (esito == EsitoStampa::NonRiuscita && !ritirato)
            s->respinti.push_back(std::move(lavoro));
        if (esito && !ritirato)
            s->posta([e = *esito, n = s->fogli() + int(s->respinti.size())](CodaStampa &c) { c.riferisci(e, n); });
        s->cambiato.notify_all();
    }
    s->lavora = false;
    s->cambiato.notify_all();
}
