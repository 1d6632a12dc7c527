// SPDX-License-Identifier: GPL-3.0-or-later
#include "Riscontro.h"

#include "Contesto.h"
#include "Controlli.h"
#include "Faccia.h"
#include "Geometria.h"
#include "Piattaforma.h"
#include "Testi.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <QPushButton>

namespace {

Faccia *icona(QWidget *area, const QString &nome, Faccia::Espressione espressione, QPoint posto)
{
    auto *f = new Faccia(espressione, area);
    f->setObjectName(nome);
    geo::colloca(f, QRect(posto.x(), posto.y(), 975, 855));
    return f;
}

// A counter shows " 4"; a screen reader says "Esatti: 4".
void scriviContatore(QLabel *contatore, const QString &nome, const QString &testo)
{
    contatore->setText(testo);
    contatore->setAccessibleName(nome + QStringLiteral(": ") + testo.trimmed());
}

// A counter wide enough for " 32767" in its font (a class that leaves the
// program open all day gets past four digits), within the client area.
int larghezzaContatore(const QWidget *area, const QFont &font, int x, int larghezza)
{
    const int serve = (QFontMetrics(font).horizontalAdvance(TestoConteggio(32767)) + 4) * geo::twipsPerPixel;
    const int spazio = area->width() * geo::twipsPerPixel - x;
    return std::max(larghezza, std::min(serve, spazio));
}

// Calm mode plays nothing: the faces and counters say it all.
void suona(Contesto &ctx, const char *nome)
{
    if (!ctx.tranquilla)
        ctx.piattaforma.suonaWav(ctx.piattaforma.cartellaProgramma() + QStringLiteral("/suoni/") + QLatin1String(nome));
}

} // namespace

Riscontro::Riscontro(Contesto &c, QWidget *area, const PostiRiscontro &p) : QObject(area), ctx(c)
{
    // The sad face first, so that the laughing one lies on top until the
    // first answer.
    ComandoIconaNo = icona(area, QStringLiteral("ComandoIconaNo"), Faccia::Espressione::Triste, p.icone);
    ComandoIconaSi = icona(area, QStringLiteral("ComandoIconaSi"), Faccia::Espressione::Ride, p.icone);
    const QFont didascalia = geo::carattere(QStringLiteral("Arial"), 10, true);
    const QFont numero = geo::carattere(QStringLiteral("Arial"), 20, true);
    Label1 = controlli::etichetta(area, QStringLiteral("Label1"), QStringLiteral("Esatti"),
                                  QRect(p.label1.x(), p.label1.y(), 735, 375), didascalia);
    EtichettaEsatti = controlli::etichetta(area, QStringLiteral("EtichettaEsatti"), QStringLiteral("0"),
                                           QRect(p.etichettaEsatti.x(), p.etichettaEsatti.y(),
                                                 larghezzaContatore(area, numero, p.etichettaEsatti.x(), 975), 615),
                                           numero);
    Label2 = controlli::etichetta(area, QStringLiteral("Label2"), QStringLiteral("Errati"),
                                  QRect(p.label2.x(), p.label2.y(), 735, 495), didascalia);
    EtichettaErrati = controlli::etichetta(area, QStringLiteral("EtichettaErrati"), QStringLiteral("0"),
                                           QRect(p.etichettaErrati.x(), p.etichettaErrati.y(),
                                                 larghezzaContatore(area, numero, p.etichettaErrati.x(), 855), 615),
                                           numero);
    EtichettaEsatti->setWordWrap(false);
    EtichettaErrati->setWordWrap(false);
    // A reset shows "0", without the blank of a count.
    const auto testo = [](qint16 n) { return n == 0 ? QStringLiteral("0") : TestoConteggio(n); };
    const auto scrivi = [this, testo](qint16 esatti, qint16 errati) {
        scriviContatore(EtichettaEsatti, QStringLiteral("Esatti"), testo(esatti));
        scriviContatore(EtichettaErrati, QStringLiteral("Errati"), testo(errati));
    };
    scrivi(0, 0);
    connect(&ctx.punteggio, &Punteggio::conteggi, EtichettaEsatti, scrivi);
    // In the verdict's order: the face, the count, then the sound and speech.
    connect(this, &Riscontro::risposta, this, &Riscontro::mostraFaccia);
    connect(this, &Riscontro::risposta, &ctx.punteggio, &Punteggio::conta);
    connect(this, &Riscontro::risposta, this, &Riscontro::suonaEDi);
}

void Riscontro::segnala(bool giusta, bool beep)
{
    conBeep = beep;
    emit risposta(giusta);
}

void Riscontro::mostraFaccia(bool giusta)
{
    ComandoIconaSi->setVisible(giusta);
    ComandoIconaNo->setVisible(!giusta);
}

void Riscontro::suonaEDi(bool giusta)
{
    if (giusta)
        SuonoEsatto(ctx);
    else if (!conBeep)
        SuonoErrato(ctx);
    else if (!ctx.tranquilla)
        ctx.piattaforma.beep();
    ctx.voce.di(giusta ? QStringLiteral("giusto") : QStringLiteral("riprova"));
}

void Riscontro::azzera()
{
    ctx.punteggio.azzera();
}

void SuonoEsatto(Contesto &ctx)
{
    static const char *const nomi[] = {"si1.wav", "si2.wav", "si3.wav", "si4.wav"};
    // Checked here too: in calm mode not even the choice of sound is drawn.
    if (!ctx.tranquilla)
        suona(ctx, nomi[ctx.estrai(4)]);
}

void SuonoErrato(Contesto &ctx)
{
    suona(ctx, "no.wav");
}

void suonaPasso(Contesto &ctx)
{
    suona(ctx, "si.wav");
}

void chiudiConferma(QWidget *conferma, bool chiusa)
{
    if (auto *casella = qobject_cast<QLineEdit *>(conferma)) {
        casella->setEnabled(true);
        casella->setReadOnly(chiusa);
    } else {
        conferma->setEnabled(!chiusa);
    }
}

bool confermaChiusa(const QWidget *conferma)
{
    const auto *casella = qobject_cast<const QLineEdit *>(conferma);
    return !conferma->isEnabled() || (casella && casella->isReadOnly());
}

Avanzamento::Avanzamento(QPushButton *avanti, QWidget *c) : BottoneAvanti(avanti), conferma(c) {}

void Avanzamento::allAttivazione(bool attendiBottone)
{
    BottoneAvanti->setHidden(!attendiBottone);
}

bool Avanzamento::dopoEsatto()
{
    if (BottoneAvanti->isHidden())
        return true;
    BottoneAvanti->setEnabled(true);
    // Before the confirming control goes grey: its focus would fall on the
    // next control ("Ricomincia"), where one Enter wipes the finished work.
    BottoneAvanti->setFocus();
    chiudiConferma(conferma, true);
    return false;
}

void Avanzamento::avantiPremuto()
{
    chiudiConferma(conferma, false);
    if (BottoneAvanti->hasFocus())
        conferma->setFocus();
    BottoneAvanti->setEnabled(false);
}
