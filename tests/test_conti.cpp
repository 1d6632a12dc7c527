// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic's rules alone: Qt Core, no widget, no window.
#include "arithmetic/RegoleCentinaia.h"
#include "arithmetic/RegoleColonna.h"

#include <QTest>

#include <vector>

class TestConti : public QObject
{
    Q_OBJECT
private slots:
    // The guided column without a window: for each case, the abacus after
    // each move (value, beads on the units rod) and the steps the rules give.
    void regoleDellaColonna()
    {
        using R = RegoleColonna;
        using F = R::Fase;
        struct Mossa {
            int valore, unita;
            F fase;               // the phase after it
            int suoni;            // the sounds it plays
            bool risultato;       // the result box opens
            const char *prompt;   // the last prompt it shows (nullptr: none)
        };
        struct Esempio {
            const char *nome;
            R::Operazione op;
            Cambio cambio;
            R::Operandi numeri;
            std::vector<Mossa> mosse;
        };
        const auto A = R::Operazione::Addizione, S = R::Operazione::Sottrazione;
        const Esempio casi[] = {
            {"27 + 35, the exchange", A, Cambio::Con, {27, 35, 62},
             {{20, 0, F::PrimoNumero, 0, false, nullptr},
              {27, 7, F::SecondoNumero, 1, false, "aggiungi il numero  35 nell'orbetto"},
              {61, 11, F::SecondoNumero, 0, false, nullptr},
              {62, 12, F::Cambio, 1, false, "Esegui il cambio"},
              {62, 2, F::Risultato, 1, true, "Scrivi il risultato"},
              {62, 2, F::Risultato, 0, true, nullptr}}},
            {"23 + 14, nothing to exchange", A, Cambio::Senza, {23, 14, 37},
             {{23, 3, F::SecondoNumero, 1, false, "aggiungi il numero  14 nell'orbetto"},
              {37, 7, F::Risultato, 2, true, "Scrivi il risultato"}}},
            {"62 - 35, the borrow", S, Cambio::Con, {27, 35, 62},
             {{27, 7, F::PrimoNumero, 0, false, nullptr},
              {62, 2, F::SecondoNumero, 1, false,
               "togli il numero  35 con i bottoni  -da  e -u. Esegui il cambio se necessario"},
              {52, 2, F::SecondoNumero, 0, false, nullptr},
              {27, 7, F::SecondoNumero, 1, true, "scrivi il risultato"},
              {28, 8, F::SecondoNumero, 0, false, nullptr},
              {27, 7, F::SecondoNumero, 1, true, "scrivi il risultato"}}},
            {"58 - 23, no borrow", S, Cambio::Senza, {35, 23, 58},
             {{58, 8, F::SecondoNumero, 1, false, "togli il numero  23 con i bottoni  -da  e -u. "}}},
        };
        for (const Esempio &c : casi) {
            R regole(c.op, c.cambio);
            regole.inizia(c.numeri);
            QCOMPARE(regole.fase(), F::PrimoNumero);
            int i = 0;
            for (const Mossa &m : c.mosse) {
                const QByteArray dove = QByteArray(c.nome) + ", move " + QByteArray::number(++i);
                const auto passi = regole.dopo(m.valore, m.unita);
                int suoni = 0;
                bool risultato = false;
                QString prompt;
                for (const R::Passo &p : passi) {
                    suoni += p.suono ? 1 : 0;
                    risultato = risultato || p.risultato;
                    if (!p.prompt.isEmpty())
                        prompt = p.prompt;
                }
                QVERIFY2(regole.fase() == m.fase, dove);
                QVERIFY2(suoni == m.suoni, dove);
                QVERIFY2(risultato == m.risultato, dove);
                QVERIFY2(prompt == QString::fromUtf8(m.prompt ? m.prompt : ""), dove + " " + prompt.toUtf8());
            }
        }
        R somma(R::Operazione::Addizione, Cambio::Con);
        somma.inizia({8, 5, 13});
        QCOMPARE(somma.primoPrompt(), QStringLiteral("inserisci il numero  8 nell'orbetto"));
        R differenza(R::Operazione::Sottrazione, Cambio::Con);
        differenza.inizia({8, 5, 13});
        QCOMPARE(differenza.primoPrompt(), QStringLiteral("inserisci il numero  13 premendo i bottoni +da  e +u"));
    }

    // The three-rod windows, unguided: for each case, the rods after each
    // move and what the rules decide.
    void regoleDelleCentinaia()
    {
        using R = RegoleCentinaia;
        using M = R::Mossa;
        struct Passo {
            M mossa;
            R::Aste aste;
            bool risultato;
            const char *prompt; // nullptr: the prompt stays
        };
        struct Esempio {
            const char *nome;
            R::Operazione op;
            R::Operandi numeri;
            std::vector<Passo> passi;
        };
        const char *togli = " Togli le palline da eliminare cliccando sui bottoni -h  -da  -u.     "
                            "Esegui se necessario il cambio.";
        const Esempio casi[] = {
            {"275 + 148", R::Operazione::Addizione, {275, 148, 423},
             {{M::Aggiunta, {2, 7, 5}, false, nullptr},
              // 423 with 13 units: the exchange is still to do.
              {M::Aggiunta, {3, 10, 13}, false, nullptr},
              {M::Cambio, {3, 11, 3}, false, nullptr},
              {M::Cambio, {4, 2, 3}, true, nullptr},
              {M::Rimozione, {4, 2, 2}, false, nullptr},
              {M::Aggiunta, {4, 2, 3}, true, nullptr}}},
            {"423 - 148", R::Operazione::Sottrazione, {275, 148, 423},
             {{M::Aggiunta, {4, 2, 2}, false, nullptr},
              {M::Aggiunta, {4, 2, 3}, false, togli},
              {M::Cambio, {4, 1, 13}, false, nullptr},
              // 275 still with an exchange to undo on the units: not yet.
              {M::Rimozione, {2, 6, 15}, false, nullptr},
              {M::Rimozione, {2, 7, 5}, true, "Inserisci il risultato"},
              // Beads put back up to the minuend ask again to take them off.
              {M::Aggiunta, {4, 2, 3}, false, togli}}},
        };
        for (const Esempio &c : casi) {
            R regole(c.op);
            regole.inizia(c.numeri);
            int i = 0;
            for (const Passo &p : c.passi) {
                const QByteArray dove = QByteArray(c.nome) + ", move " + QByteArray::number(++i);
                const R::Passo deciso = regole.dopo(p.mossa, p.aste);
                QVERIFY2(deciso.risultato == p.risultato, dove);
                QVERIFY2(deciso.prompt == QString::fromUtf8(p.prompt ? p.prompt : ""), dove);
            }
        }
        R somma(R::Operazione::Addizione);
        somma.inizia({275, 148, 423});
        QCOMPARE(somma.cifrePrimo().h * 100 + somma.cifrePrimo().da * 10 + somma.cifrePrimo().u, 275);
    }
};

QTEST_GUILESS_MAIN(TestConti)
#include "test_conti.moc"
