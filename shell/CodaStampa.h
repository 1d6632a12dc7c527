// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

// Print jobs away from the user-interface thread: a print server that
// stalls can hold its job, never the window. Jobs run one after another on
// a worker thread that lives only while there is work; one stuck at the
// end of the program is left behind, so the program still ends.
class CodaStampa
{
public:
    CodaStampa();
    ~CodaStampa();
    CodaStampa(const CodaStampa &) = delete;
    CodaStampa &operator=(const CodaStampa &) = delete;

    // Looks for the default printer in the background.
    void cercaStampante();
    // Looks again and waits up to attesa: whether there is a default
    // printer, or else the last answer known (nothing when none is).
    std::optional<bool> stampante(std::chrono::milliseconds attesa);

    // A job: it looks for the printer itself and returns whether it found
    // one (the answer is kept for stampante()).
    void accoda(std::function<bool()> lavoro);
    // Waits until every job has run; false when attesa ran out first.
    bool aspetta(std::chrono::milliseconds attesa);

private:
    struct Stato;
    void avvia();
    std::shared_ptr<Stato> stato;
};
