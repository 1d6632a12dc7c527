// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/FormStampa.h"
#include "Navigatore.h"

#include "Catalogo.h"
#include "framework/Contesto.h"
#include "framework/FinestraProgramma.h"
#include "FormAvvio.h"
#include "FormMenu.h"
#include "framework/Piattaforma.h"
#include "framework/Testi.h"

Navigatore::Navigatore(Contesto &c)
    : ctx(c), lezione_(c.punteggio, c.piattaforma), stampe(c.piattaforma, c.piattaforma, c.piattaforma, [this] { return static_cast<QWidget *>(finestraPrincipale.data()); },
                     [this] { esci(); })
{
}

void Navigatore::Avvio()
{
    ctx.piattaforma.riseminaDallOrologio();
    ctx.NumeroMassimo = 99;
    auto *avvio = new FormAvvio(ctx);
    QObject::connect(avvio, &FormAvvio::avviato, avvio, [this] { mostraMenu(); });
    mostraPrincipale(avvio);
}

void Navigatore::mostraMenu()
{
    mostraPrincipale(new FormMenu(ctx));
}

void Navigatore::collega(FinestraProgramma *f)
{
    // The window is the connections' context: they end with it.
    QObject::connect(f, &FinestraProgramma::chiedeMenu, f, [this, f](bool azzera) { TornaAlMenu(f, azzera); });
    QObject::connect(f, &FinestraProgramma::chiedeEsercizio, f, [this](const QString &nome) { ApriEsercizio(nome); });
    QObject::connect(f, &FinestraProgramma::chiedeAffiancata, f,
                     [this](const QString &nome) { mostraAffiancata(nome); });
    QObject::connect(f, &FinestraProgramma::chiedeComposizione, f, [this](qint16 tipo) { mostraComposizione(tipo); });
    QObject::connect(f, &FinestraProgramma::chiedeInformazioni, f, [this, f] { MostraInformazioni(f); });
    QObject::connect(f, &FinestraProgramma::chiedeUscita, f, [this, f] { ConfermaUscita(f); });
}

void Navigatore::mostraPrincipale(FinestraProgramma *nuova)
{
    QPointer<FinestraProgramma> vecchia = finestraPrincipale;
    finestraPrincipale = nuova;
    collega(nuova);
    nuova->carica();
    nuova->mostra();
    primaAttivazione(nuova);
    if (vecchia && vecchia != nuova)
        vecchia->chiudi();
    // The lesson counts the time and answers of each exercise window.
    const VoceCatalogo *riga = voceCatalogo(nuova->objectName());
    if (riga && riga->bottone)
        lezione_.entra(nuova->objectName(), nomeSezione(riga->sezione), QString::fromUtf8(riga->didascalia.testo));
    else
        lezione_.esce();
}

FinestraProgramma *Navigatore::ApriEsercizio(const QString &nome)
{
    FinestraProgramma *esercizio = creaFinestra(nome, officina_);
    if (!esercizio)
        return nullptr;
    mostraPrincipale(esercizio);
    return esercizio;
}

void Navigatore::TornaAlMenu(FinestraProgramma *chiamante, bool azzeraContatori)
{
    if (!ctx.piattaforma.chiediSiNo(chiamante, testi::titoloBox, QStringLiteral("Vuoi tornare al menù?")))
        return;
    mostraMenu();
    if (azzeraContatori)
        ctx.punteggio.azzera();
}

bool Navigatore::ConfermaUscita(QWidget *genitore)
{
    // Once the class did something, the summary is offered before it is lost.
    if (!lezione_.vuoto()) {
        const int scelta = ctx.piattaforma.scegli(
            genitore, testi::titoloBox,
            QStringLiteral("Vuoi uscire dal programma?\n\nIl riepilogo della lezione non viene conservato: "
                           "puoi vederlo e stamparlo prima di uscire."),
            {QStringLiteral("Riepilogo della lezione"), QStringLiteral("Sì"), QStringLiteral("No")});
        if (scelta == 0)
            mostraAffiancata(QStringLiteral("FormRiepilogo"));
        if (scelta != 1)
            return false;
        if (ctx.piattaforma.schedeDaStampare() > 0 && stampe.primaDiUscire(genitore) != AvvisiStampa::Uscita::Ora)
            return false;
    } else if (ctx.piattaforma.schedeDaStampare() > 0) {
        if (stampe.primaDiUscire(genitore) != AvvisiStampa::Uscita::Ora)
            return false;
    } else if (!ctx.piattaforma.chiediSiNo(genitore, testi::titoloBox, QStringLiteral("Vuoi uscire dal programma?"))) {
        return false;
    }
    esci();
    return true;
}

void Navigatore::esci()
{
    fine = true;
    lezione_.esce();
    ctx.attivazioni.ferma();
    const auto tutte = aperte();
    for (FinestraProgramma *f : tutte)
        f->chiudi();
    ctx.piattaforma.terminaProgramma();
}

void Navigatore::MostraInformazioni(QWidget *genitore)
{
    const QString crlf = QStringLiteral("\r\n");
    // Name, version and licence: no address that does not exist.
    const QString testo = QStringLiteral("Orbetto - Uso dell'orbetto, versione " ORBETTO_VERSIONE "  ") + crlf
                          + QLatin1Char(' ') + QString(23, QLatin1Char('-')) + QLatin1Char(' ') + crlf
                          + QStringLiteral("Licenza: GNU GPL versione 3 o successiva") + crlf
                          + QStringLiteral("Software libero, senza alcuna garanzia.");
    ctx.piattaforma.informa(genitore, testi::titoloBox, testo);
}

FinestraProgramma *Navigatore::mostraComposizione(qint16 tipoScheda)
{
    // A new composer is built on this sheet; an open one makes it its next.
    officina_.tipoScheda = tipoScheda;
    if (auto *aperto = qobject_cast<FormStampa *>(affiancata(QStringLiteral("formStampa"))))
        aperto->perTipo(tipoScheda);
    return mostraAffiancata(QStringLiteral("formStampa"));
}

FinestraProgramma *Navigatore::mostraAffiancata(const QString &nome)
{
    QPointer<FinestraProgramma> &posto = affiancate[nome];
    if (!posto || !posto->isVisible()) {
        FinestraProgramma *nuova = creaFinestra(nome, officina_);
        if (!nuova)
            return nullptr;
        posto = nuova;
        collega(nuova);
        nuova->carica();
        nuova->mostra();
        primaAttivazione(nuova);
        return nuova;
    }
    posto->show();
    posto->raise();
    posto->activateWindow();
    return posto;
}

void Navigatore::primaAttivazione(FinestraProgramma *finestra)
{
    ctx.attivazioni.prima(finestra);
}

FinestraProgramma *Navigatore::affiancata(const QString &nome) const
{
    return affiancate.value(nome);
}

QList<FinestraProgramma *> Navigatore::aperte() const
{
    // A closed window may wait a moment for its deletion: it is not open.
    QList<FinestraProgramma *> elenco;
    if (finestraPrincipale && finestraPrincipale->isVisible())
        elenco.append(finestraPrincipale);
    for (const auto &f : affiancate)
        if (f && f->isVisible())
            elenco.append(f);
    return elenco;
}
