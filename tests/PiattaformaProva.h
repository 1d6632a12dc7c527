// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/Piattaforma.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <QStringList>

#include <functional>
#include <utility>
#include <random>

// The platform of the tests: scripted random values and answers, a fake
// clock, and a record of everything the program asked for.
class PiattaformaProva : public Piattaforma
{
public:
    // Random values: scripted ones first, then a fixed-seed generator.
    QList<double> valori;
    std::mt19937_64 generatore{20261208};
    int risemine = 0;

    QStringList suoni;
    int beep_ = 0;
    // Every utterance handed to the synthesiser ("" cuts the speech).
    QStringList detti;
    int vociPreparate = 0;
    bool senzaVoce = false;

    // The fake clock. Each timed step advances it by its pause and runs at
    // once; with passiManuali the steps wait in a queue for eseguiPasso().
    double adesso = 1000.0;
    QList<double> pause;
    // Runs at every pause: what a pupil does while an animation runs.
    std::function<void()> durantePausa;
    bool passiManuali = false;
    struct Passo {
        double secondi;
        QPointer<QObject> proprietario;
        std::function<void()> azione;
    };
    QList<Passo> inAttesa;

    struct Box {
        QString titolo, testo;
        bool domanda;
    };
    QList<Box> box;
    QList<bool> risposte; // answers to the questions; No when none is left

    struct Pagina {
        QString finestra;
    };
    QList<Pagina> pagineFinestra;
    QList<TestoSuCarta> testiStampati;

    // Without a printer "Stampa" offers a PDF; PDFs are written for real,
    // into the file the test chose, and the names proposed are recorded.
    bool stampante = true;
    QString fileScelto;
    QStringList nomiProposti;
    QStringList pdfScritti;
    // The print queue as the test sets it: the sheets still waiting, what
    // the queue reports to, and the buttons pressed in scegli (the last
    // button when none is left).
    std::vector<DisegnoStampa> daStampare;
    int respinte = 0;
    int riprove = 0; // refused sheets sent again
    CodaStampa::Avvisi avvisiStampe;
    QList<int> scelte;

    QString cartella = QStringLiteral("/prova/orbetto");
    QString separatore = QStringLiteral(".");
    int terminazioni = 0;

    // Scripts the next values of Casuale: v chosen so that floor(v * n)
    // gives k. Handy to force a draw.
    void forza(int k, int n) { valori.append((k + 0.5) / n); }

    double casuale() override
    {
        if (!valori.isEmpty())
            return valori.takeFirst();
        return double(generatore() >> 11) * 0x1.0p-53;
    }
    void riseminaDallOrologio() override { ++risemine; }
    void suonaWav(const QString &percorso) override { suoni.append(percorso); }
    void beep() override { ++beep_; }
    void preparaVoce() override { ++vociPreparate; }
    void di(const QString &testo) override { detti.append(testo); }
    bool voceMancante() const override { return senzaVoce; }
    void dopo(double secondi, QObject *proprietario, std::function<void()> passo) override
    {
        // A test's click takes no time: without passiManuali the half second
        // of a held rod button passes only at tieniPremuto().
        if (!passiManuali && premutoAdesso(proprietario)) {
            tenute.append({secondi, proprietario, std::move(passo)});
            return;
        }
        pause.append(secondi);
        inAttesa.append({secondi, proprietario, std::move(passo)});
        if (!passiManuali)
            eseguiPasso();
    }
    // The half second of the rod buttons held now: each takes its bead off.
    void tieniPremuto()
    {
        const QList<Passo> ora = std::exchange(tenute, {});
        for (const Passo &p : ora)
            if (p.proprietario)
                p.azione();
    }
    QList<Passo> tenute;
    static bool premutoAdesso(QObject *proprietario);
    // Runs the oldest waiting step, as its timer would; false when none is
    // left. A step whose owner is gone is dropped, as Qt drops its timer.
    bool eseguiPasso()
    {
        if (inAttesa.isEmpty())
            return false;
        const Passo passo = inAttesa.takeFirst();
        adesso += passo.secondi;
        if (durantePausa)
            durantePausa();
        if (passo.proprietario)
            passo.azione();
        return true;
    }
    bool chiediSiNo(QWidget *, const QString &titolo, const QString &testo) override
    {
        box.append({titolo, testo, true});
        return risposte.isEmpty() ? false : risposte.takeFirst();
    }
    void informa(QWidget *, const QString &titolo, const QString &testo) override
    {
        box.append({titolo, testo, false});
    }
    void stampaFinestra(QWidget *area) override;
    void stampaRighe(const TestoSuCarta &testo) override { testiStampati.append(testo); }
    bool stampantePronta() override { return stampante; }
    void seguiStampe(CodaStampa::Avvisi avvisi) override { avvisiStampe = std::move(avvisi); }
    int schedeDaStampare() override { return int(daStampare.size()); }
    // The last respinte of daStampare were refused.
    int schedeRespinte() override { return std::min(respinte, int(daStampare.size())); }
    void riprovaStampe() override
    {
        riprove += respinte;
        respinte = 0;
    }
    QList<PdfScritto> pdfDaStampare(const QString &file) override;
    int scegli(QWidget *, const QString &titolo, const QString &testo, const QStringList &bottoni) override
    {
        box.append({titolo, testo + QStringLiteral(" [") + bottoni.join(QLatin1Char('|')) + QLatin1Char(']'), true});
        return scelte.isEmpty() ? int(bottoni.size()) - 1 : scelte.takeFirst();
    }
    QString pdfFinestra(QWidget *area, const QString &file) override;
    QString pdfRighe(const TestoSuCarta &testo, const QString &file) override;
    QString fileDaSalvare(QWidget *, const QString &nome) override
    {
        nomiProposti.append(nome);
        return fileScelto;
    }
    bool proponi(QWidget *genitore, const QString &titolo, const QString &testo) override
    {
        return chiediSiNo(genitore, titolo, testo);
    }
    QDate oggi() override { return QDate(2026, 12, 8); }
    double orologio() override { return adesso; }
    QString cartellaProgramma() override { return cartella; }
    QString separatoreMigliaia() override { return separatore; }
    void terminaProgramma() override { ++terminazioni; }

    // The file names of the sounds played, without the folder.
    QStringList nomiSuoni() const;
};
