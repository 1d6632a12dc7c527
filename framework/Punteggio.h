// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The run's score. Every verdict is an event, risposta(giusta): the lesson
// register counts it; the counters follow it and stop at the largest
// 16-bit value instead of wrapping. The counters are the run's, shown by
// every judging window; each window zeroes them as it opens.
class Punteggio : public QObject
{
    Q_OBJECT
public:
    qint16 esatti() const { return giuste; }
    qint16 errati() const { return sbagliate; }

    // One answer judged: its counter goes up, then risposta is emitted.
    void conta(bool giusta);
    // Both counters back to 0 ("Azzera conteggio", a window opening).
    void azzera();

signals:
    void risposta(bool giusta);
    // After every change of the counters, answers and resets alike.
    void conteggi(qint16 esatti, qint16 errati);

private:
    qint16 giuste = 0;
    qint16 sbagliate = 0;
};

// A counter that stops at the largest 16-bit value instead of wrapping.
inline qint16 piuUno(qint16 v)
{
    return v < 32767 ? qint16(v + 1) : v;
}
