// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QObject;
class QPagedPaintDevice;

// A sheet to print: it draws itself on any page device (a printer or a
// PDF) and returns whether the device let it paint.
using DisegnoStampa = std::function<bool(QPagedPaintDevice &)>;

enum class EsitoStampa { Stampata, NessunaStampante, NonRiuscita };

// What the queue hands the sheets to: on the real system the default
// printer; the tests script it. Both run on the queue's thread.
struct Stampante {
    // Whether there is a default printer.
    std::function<bool()> cerca;
    std::function<EsitoStampa(const DisegnoStampa &)> consegna;
};
Stampante stampanteDiSistema();

// Print jobs away from the user-interface thread: a print server that
// stalls can hold its job, never the window. Jobs run one after another on
// a worker thread that lives only while there is work. Nothing is lost in
// silence: every sheet's outcome is reported, a sheet held longer than the
// patience is reported once, and the sheets not yet out can be taken back.
class CodaStampa
{
public:
    explicit CodaStampa(Stampante stampante = stampanteDiSistema(),
                        std::chrono::milliseconds pazienza = std::chrono::seconds(30));
    ~CodaStampa();
    CodaStampa(const CodaStampa &) = delete;
    CodaStampa &operator=(const CodaStampa &) = delete;

    // Reported from the event loop of the thread that made the queue.
    struct Avvisi {
        // Each sheet once, with how many still wait after it.
        std::function<void(EsitoStampa, int inAttesa)> esito;
        // The printer has held a sheet past the patience: how many wait.
        // Once per stall, and again for each sheet added during it.
        std::function<void(int inAttesa)> ferma;
    };
    void seguiCon(Avvisi avvisi);
    void pazienza(std::chrono::milliseconds attesa);

    // Looks for the default printer in the background.
    void cercaStampante();
    // Looks again and waits up to attesa: whether there is a default
    // printer, or else the last answer known (nothing when none is).
    std::optional<bool> stampante(std::chrono::milliseconds attesa);

    void accoda(DisegnoStampa foglio);
    // Sheets not yet out: waiting, the one being handed over, and those
    // the printer refused (kept until printed, saved or taken back).
    int inAttesa() const;
    int respinti() const;
    // The refused sheets go back into the queue, in their order.
    void riprova();
    struct Foglio {
        unsigned numero;
        DisegnoStampa disegno;
    };
    // Copies of the sheets not yet out, in their order (the refused first).
    std::vector<Foglio> fogli() const;
    // Takes these sheets out of the queue; the one being handed over may
    // still come out, but its outcome is no longer reported.
    void ritira(const std::vector<unsigned> &numeri);
    // Waits until every job has run; false when attesa ran out first.
    bool aspetta(std::chrono::milliseconds attesa);

private:
    struct Stato;
    void avvia();
    static void lavora(std::shared_ptr<Stato> s);
    void controlla(unsigned numero);
    // A sheet's outcome to whoever follows the queue (on its own thread).
    void riferisci(EsitoStampa esito, int inAttesa);
    std::shared_ptr<Stato> stato;
    std::unique_ptr<QObject> guardia;
    // The last worker, joined once its work is done: a thread that ends
    // after the program would leave its Qt caches (fonts) behind.
    std::thread lavoratore;
};
