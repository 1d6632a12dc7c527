// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <memory>

class LettoreVoce;

// Speech away from the window's thread: the synthesiser is opened on a
// thread of its own (speech-dispatcher may take seconds to answer), and a
// press never waits for it. Only the newest text is kept: fast clicks cut
// what was being said instead of queueing up behind it.
class CodaVoce
{
public:
    // The synthesiser's plugin, or nothing when there is none. Called once,
    // on the thread that starts the queue (loading a library is quick);
    // connecting to the synthesiser is what runs on the speech thread.
    using Apertura = std::function<std::shared_ptr<LettoreVoce>()>;

    explicit CodaVoce(Apertura apertura);
    ~CodaVoce();
    CodaVoce(const CodaVoce &) = delete;
    CodaVoce &operator=(const CodaVoce &) = delete;

    // Starts the thread and opens the synthesiser; the first call only.
    void avvia();
    // Hands the text over and returns at once (starting the thread first).
    void di(const QString &testo);

    // Assente: no voice now (none at all, or the last text found none);
    // with the plugin there, the next text looks for it again.
    enum class Stato { Spenta, Avvio, Pronta, Assente };
    Stato stato() const;

private:
    struct Condivisa;
    // The speech thread: opens the synthesiser, then says the newest text.
    static void lavora(const std::shared_ptr<Condivisa> &c);
    std::shared_ptr<Condivisa> c;
};
