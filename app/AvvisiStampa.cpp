// SPDX-License-Identifier: GPL-3.0-or-later
#include "AvvisiStampa.h"

#include "framework/Piattaforma.h"
#include "framework/Testi.h"

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString fermaInizio = QStringLiteral("La stampante non risponde.");
// Not a text: the refused sheets' question, worded when it is shown.
const QString respinte = QStringLiteral("\x01respinte");

QString nonStampate(int n)
{
    return n == 1 ? QStringLiteral("1 scheda non è ancora stata stampata.")
                  : QString::number(n) + QStringLiteral(" schede non sono ancora state stampate.");
}

} // namespace

AvvisiStampa::AvvisiStampa(Stampe &s, Dialoghi &d, Tempo &t, std::function<QWidget *()> f, std::function<void()> e)
    : stampe(s), dialoghi(d), tempo(t), finestra(std::move(f)), esci(std::move(e))
{
    stampe.seguiStampe({
        .esito = [this](EsitoStampa es, int n) { esito(es, n); },
        .ferma = [this](int n) { ferma(n); },
    });
}

AvvisiStampa::~AvvisiStampa()
{
    // The queue may outlive the windows: it reports to no one now.
    stampe.seguiStampe({});
}

AvvisiStampa::Uscita AvvisiStampa::primaDiUscire(QWidget *genitore)
{
    const int n = stampe.schedeDaStampare();
    const QString testo = QStringLiteral("Vuoi uscire dal programma?") + crlf + nonStampate(n);
    switch (dialoghi.scegli(genitore, testi::titoloBox, testo,
                               {QStringLiteral("Esci dopo la stampa"), QStringLiteral("Salva in PDF ed esci"),
                                QStringLiteral("Esci senza stampare"), QStringLiteral("Annulla")})) {
    case 0:
        // Those the printer refused are tried again. The last sheet may
        // have gone out while the box was open.
        stampe.riprovaStampe();
        if (stampe.schedeDaStampare() == 0)
            return Uscita::Ora;
        esciAllaFine = true;
        return Uscita::DopoLaStampa;
    case 1:
        return salvaInPdf(genitore);
    case 2:
        return Uscita::Ora;
    default:
        return Uscita::No;
    }
}

AvvisiStampa::Uscita AvvisiStampa::salvaInPdf(QWidget *genitore)
{
    const QString nome = QStringLiteral("schede-") + tempo.oggi().toString(Qt::ISODate) + QStringLiteral(".pdf");
    QString file = dialoghi.fileDaSalvare(genitore, nome);
    if (file.isEmpty())
        return Uscita::No;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    QStringList salvati;
    QStringList no;
    for (const Stampe::PdfScritto &s : stampe.pdfDaStampare(file)) {
        if (s.motivo.isEmpty())
            salvati.append(s.file);
        else
            no.append(s.file + crlf + s.motivo);
    }
    if (!no.isEmpty()) {
        // Those not written stay in the queue: nothing is lost.
        dialoghi.informa(genitore, testi::titoloBox,
                         QStringLiteral("Non è stato possibile salvare il file PDF:") + crlf + no.join(crlf));
        return Uscita::No;
    }
    if (!salvati.isEmpty())
        dialoghi.informa(genitore, testi::titoloBox,
                         (salvati.size() == 1 ? QStringLiteral("La scheda è stata salvata nel file:")
                                              : QStringLiteral("Le schede sono state salvate nei file:"))
                             + crlf + salvati.join(crlf));
    return Uscita::Ora;
}

void AvvisiStampa::esito(EsitoStampa es, int n)
{
    if (es == EsitoStampa::NessunaStampante)
        mostra(QStringLiteral("La scheda non è stata stampata: su questo computer non è configurata nessuna "
                              "stampante."));
    else if (es == EsitoStampa::NonRiuscita) {
        // The exit waited for a sheet that will not come out: the teacher
        // chooses again.
        esciAllaFine = false;
        mostra(respinte);
    }
    if (n == 0 && esciAllaFine) {
        esciAllaFine = false;
        esci();
    }
}

void AvvisiStampa::ferma(int n)
{
    const QString attesa = n == 1 ? QStringLiteral("1 scheda aspetta di essere stampata: sarà stampata appena la "
                                                   "stampante risponde.")
                                  : QString::number(n) + QStringLiteral(" schede aspettano di essere stampate: "
                                                                        "saranno stampate appena la stampante "
                                                                        "risponde.");
    // A newer count replaces the one not yet shown.
    daMostrare.removeIf([](const QString &t) { return t.startsWith(fermaInizio); });
    mostra(fermaInizio + crlf + attesa);
}

void AvvisiStampa::mostra(const QString &testo)
{
    if (mostrando) {
        if (!daMostrare.contains(testo))
            daMostrare.append(testo);
        return;
    }
    mostrando = true;
    QString ora = testo;
    for (;;) {
        if (ora == respinte)
            chiediDeiRespinti();
        else
            dialoghi.informa(finestra(), testi::titoloBox, ora);
        if (daMostrare.isEmpty())
            break;
        ora = daMostrare.takeFirst();
    }
    mostrando = false;
}

void AvvisiStampa::chiediDeiRespinti()
{
    // Counted when shown: one question for the sheets refused meanwhile.
    const int n = stampe.schedeRespinte();
    if (n == 0)
        return;
    const QString testo = n == 1 ? QStringLiteral("La stampante non ha accettato la scheda.\r\n1 scheda non è stata "
                                                  "stampata: si può riprovare oppure salvarla in PDF.")
                                 : QStringLiteral("La stampante non ha accettato le schede.\r\n") + QString::number(n)
                                       + QStringLiteral(" schede non sono state stampate: si può riprovare oppure "
                                                        "salvarle in PDF.");
    QWidget *genitore = finestra();
    switch (dialoghi.scegli(genitore, testi::titoloBox, testo,
                            {QStringLiteral("Riprova"), QStringLiteral("Salva in PDF"), QStringLiteral("Più tardi")})) {
    case 0:
        stampe.riprovaStampe();
        break;
    case 1:
        salvaInPdf(genitore);
        break;
    default:
        // Kept: the exit question counts them.
        break;
    }
}
