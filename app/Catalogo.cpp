// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalogo.h"

#include "arithmetic/Addizioni.h"
#include "arithmetic/Descrizioni.h"
#include "arithmetic/Sottrazioni.h"
#include "forming/FinestraFormare.h"
#include "lesson/FinestraRiepilogo.h"
#include "reading/FinestraLeggere.h"
#include "worksheets/FinestraScheda.h"
#include "worksheets/FormStampa.h"

#include <vector>

namespace {

// A window built from its family's row.
template <class Finestra, class Descrizione>
auto da(const Descrizione &riga)
{
    return [&riga](Officina &o, const QString &nome) -> FinestraProgramma * { return new Finestra(o.ctx, nome, riga); };
}

using S = Sezione;

// Captions exactly as the pupils know them, double blanks included.
const std::vector<VoceCatalogo> voci = {
    {.nome = "Form4", .crea = da<FinestraFormare>(finestreFormare::unita),
     .sezione = S::Unita, .bottone = "Command14", .didascalia = {"inserisci le palline", 1}, .posto = {120, 915}},
    {.nome = "Form5", .crea = da<FinestraLeggere>(finestreLeggere::lettereUnita),
     .sezione = S::Unita, .bottone = "Command15", .didascalia = {"scrivi il numero in parola"}, .posto = {135, 1545}},
    {.nome = "Form6", .crea = da<FinestraLeggere>(finestreLeggere::cifreUnita),
     .sezione = S::Unita, .bottone = "Command16", .didascalia = {"scrivi il numero in cifre"}, .posto = {120, 2175}},
    {.nome = "Form99a", .crea = da<FinestraFormare>(finestreFormare::decine),
     .sezione = S::DecineUnita, .bottone = "Command6", .didascalia = {"inserisci le palline", 1}, .posto = {105, 3255}},
    {.nome = "Form99b1", .crea = da<FinestraLeggere>(finestreLeggere::lettereDecine),
     .sezione = S::DecineUnita, .bottone = "Command5",
     .didascalia = {"scrivi il numero in lettere"}, .posto = {120, 3885}},
    {.nome = "Form99b", .crea = da<FinestraLeggere>(finestreLeggere::cifreDecine),
     .sezione = S::DecineUnita, .bottone = "Command35",
     .didascalia = {"scrivi il numero in cifre"}, .posto = {105, 4515}},
    {.nome = "Form99c1", .crea = da<AddizioneGuidata>(finestreAritmetica::addizioniSenzaCambio),
     .sezione = S::DecineUnita, .bottone = "Command8", .didascalia = {"addizioni  senza cambio"}, .posto = {105, 5145}},
    {.nome = "Form99c", .crea = da<AddizioneGuidata>(finestreAritmetica::addizioniConCambio),
     .sezione = S::DecineUnita, .bottone = "Command20",
     .didascalia = {"addizioni  con il cambio"}, .posto = {3345, 255}},
    {.nome = "Form99d1", .crea = da<SottrazioneGuidata>(finestreAritmetica::sottrazioniSenzaCambio),
     .sezione = S::DecineUnita, .bottone = "Command9",
     .didascalia = {"sottrazioni  senza cambio"}, .posto = {3345, 885}},
    {.nome = "Form99d", .crea = da<SottrazioneGuidata>(finestreAritmetica::sottrazioniConCambio),
     .sezione = S::DecineUnita, .bottone = "Command25",
     .didascalia = {"sottrazioni   con il cambio"}, .posto = {3345, 1515}},
    {.nome = "Form999a", .crea = da<FinestraFormare>(finestreFormare::centinaia),
     .sezione = S::CentinaiaDecineUnita, .bottone = "Command2",
     .didascalia = {"inserisci le palline", 1}, .posto = {3255, 2655}},
    {.nome = "Form999b1", .crea = da<FinestraLeggere>(finestreLeggere::lettereCentinaia),
     .sezione = S::CentinaiaDecineUnita, .bottone = "Command3",
     .didascalia = {"scrivi il numero in lettere"}, .posto = {3255, 3285}},
    {.nome = "Form999b", .crea = da<FinestraLeggere>(finestreLeggere::cifreCentinaia),
     .sezione = S::CentinaiaDecineUnita, .bottone = "Command10",
     .didascalia = {"scrivi il numero in cifre"}, .posto = {3255, 3915}},
    {.nome = "Form999c", .crea = da<Addizione999>(finestreAritmetica::addizioniCentinaia),
     .sezione = S::CentinaiaDecineUnita, .bottone = "Command4",
     .didascalia = {"addizioni  con il cambio"}, .posto = {3255, 4545}},
    {.nome = "Form999d", .crea = da<Sottrazione999>(finestreAritmetica::sottrazioniCentinaia),
     .sezione = S::CentinaiaDecineUnita, .bottone = "Command7",
     .didascalia = {"sottrazioni   con il cambio"}, .posto = {3255, 5175}},
    {.nome = "F9999a", .crea = da<FinestraFormare>(finestreFormare::migliaia),
     .sezione = S::Migliaia, .bottone = "Command13", .didascalia = {"inserisci le palline", 1}, .posto = {6405, 735}},
    {.nome = "F9999c", .crea = da<FinestraLeggere>(finestreLeggere::lettereMigliaia),
     .sezione = S::Migliaia, .bottone = "Command12",
     .didascalia = {"scrivi il numero in parola"}, .posto = {6405, 1365}},
    {.nome = "F9999b", .crea = da<FinestraLeggere>(finestreLeggere::cifreMigliaia),
     .sezione = S::Migliaia, .bottone = "Command11",
     .didascalia = {"scrivi il numero in cifre"}, .posto = {6405, 1995}},
    // Side windows: the worksheets and the composer.
    {.nome = "formSt99a", .crea = da<FinestraScheda>(finestreSchede::formaDecine)},
    {.nome = "formSt999a", .crea = da<FinestraScheda>(finestreSchede::formaCentinaia)},
    {.nome = "formSt9999a", .crea = da<FinestraScheda>(finestreSchede::formaMigliaia)},
    {.nome = "formSt99b", .crea = da<FinestraScheda>(finestreSchede::leggiDecine)},
    {.nome = "formSt999b", .crea = da<FinestraScheda>(finestreSchede::leggiCentinaia)},
    {.nome = "formSt9999b", .crea = da<FinestraScheda>(finestreSchede::leggiMigliaia)},
    {.nome = "formStampa",
     .crea = [](Officina &o, const QString &nome) -> FinestraProgramma * { return new FormStampa(o.ctx, nome, o.tipoScheda); }},
    // The lesson summary, from the menu.
    {.nome = "FormRiepilogo",
     .crea = [](Officina &o, const QString &nome) -> FinestraProgramma * {
         return new FinestraRiepilogo(o.ctx, nome, o.lezione);
     }},
};

} // namespace

std::span<const VoceCatalogo> catalogo()
{
    return voci;
}

const VoceCatalogo *voceCatalogo(const QString &nome)
{
    for (const VoceCatalogo &v : voci)
        if (nome == QLatin1String(v.nome))
            return &v;
    return nullptr;
}

FinestraProgramma *creaFinestra(const QString &nome, Officina &officina)
{
    const VoceCatalogo *v = voceCatalogo(nome);
    return v ? v->crea(officina, nome) : nullptr;
}

QString nomeSezione(Sezione sezione)
{
    switch (sezione) {
    case S::Unita:
        return QStringLiteral("unità");
    case S::DecineUnita:
        return QStringLiteral("decine e unità");
    case S::CentinaiaDecineUnita:
        return QStringLiteral("centinaia decine e unità");
    case S::Migliaia:
        return QStringLiteral("migliaia centinaia decine e unità");
    case S::Schede:
        break;
    }
    return {};
}
