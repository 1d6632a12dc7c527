// SPDX-License-Identifier: GPL-3.0-or-later
#include "Impaginazione.h"

#include "TagliaRighe.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>

namespace {

QRectF areaUtile(const QPagedPaintDevice &d, QPageLayout::Orientation orientamento)
{
    QPageLayout pagina = d.pageLayout();
    pagina.setOrientation(orientamento);
    return pagina.paintRectPixels(d.logicalDpiX());
}

double piuLarga(const QStringList &righe, const QFontMetricsF &m)
{
    double largo = 1;
    for (const QString &r : righe)
        largo = std::max(largo, m.horizontalAdvance(r));
    return largo;
}

} // namespace

Impaginato impagina(const TestoSuCarta &testo, QPagedPaintDevice &dispositivo)
{
    QFont font(testo.carattere);
    font.setPointSize(100);
    const QFontMetricsF cento(font, &dispositivo);
    const double punti = std::max(1, testo.punti);
    const auto allaMisura = [&](double larghezza) { return larghezza * punti / 100; };
    // A hair of slack: the device rounds glyph positions.
    const auto sta = [&](const QStringList &righe, const QRectF &area) {
        return allaMisura(piuLarga(righe, cento)) <= area.width() * 0.995;
    };
    const QRectF verticale = areaUtile(dispositivo, QPageLayout::Portrait);
    const QRectF orizzontale = areaUtile(dispositivo, QPageLayout::Landscape);
    const QStringList intestazione = testo.righe.mid(0, testo.intestazione);
    const QStringList corpo = testo.righe.mid(testo.intestazione);
    // The lines every decision is taken on: a correction's, its sheet's too.
    const QStringList modello = testo.modello.mid(testo.intestazione);
    const auto comeModello = [&](qsizetype i) { return modello.isEmpty() ? corpo[i] : modello.value(i, corpo[i]); };

    // Rows too wide even for landscape at the chosen size go on below,
    // broken between exercises into lines of as many as landscape holds,
    // evenly (six as three and three), in one grid of columns for the sheet.
    const auto troppoLarga = [&](qsizetype i) {
        return !sta({corpo[i]}, orizzontale) || !sta({comeModello(i)}, orizzontale);
    };
    int cella = 0, rientro = 0;
    for (qsizetype i = 0; i < corpo.size(); ++i)
        if (troppoLarga(i))
            for (const QString &riga : {corpo[i], comeModello(i)}) {
                for (const QString &e : EserciziDellaRiga(riga))
                    cella = std::max(cella, int(e.size()) + 3);
                rientro = std::max(rientro, int(riga.size() - riga.trimmed().size()));
            }
    const double cifra = allaMisura(cento.horizontalAdvance(QLatin1Char('0')));
    const int stanno = cella > 0 ? std::max(1, (int(orizzontale.width() * 0.995 / cifra) - rientro) / cella) : 1;
    QList<QStringList> blocchi;
    QStringList tutte = intestazione;
    for (qsizetype i = 0; i < corpo.size(); ++i) {
        QStringList parti = {corpo[i]};
        if (troppoLarga(i)) {
            const int esercizi = int(EserciziDellaRiga(comeModello(i)).size());
            const int linee = (esercizi + stanno - 1) / stanno;
            const int perRiga = (esercizi + linee - 1) / std::max(1, linee);
            parti = SpezzaRiga(corpo[i], perRiga, cella);
            tutte += SpezzaRiga(comeModello(i), perRiga, cella);
        } else {
            tutte += comeModello(i);
        }
        tutte += parti;
        if (corpo[i].trimmed().isEmpty() && !blocchi.isEmpty())
            blocchi.last().append(corpo[i]);
        else
            blocchi.append(parti);
    }

    // Portrait whenever every line fits its width.
    Impaginato esito;
    esito.orizzontale = !sta(tutte, verticale);
    const QRectF utile = esito.orizzontale ? orizzontale : verticale;

    // With the whole text on one page at the chosen size, the type grows to
    // fill it (a short sheet reads best large), within the width.
    qsizetype totale = intestazione.size();
    for (const QStringList &b : blocchi)
        totale += b.size();
    const double riga100 = cento.lineSpacing();
    const double perAltezza = 100 * utile.height() / (riga100 * double(std::max<qsizetype>(1, totale)) + 1);
    double adatti = punti;
    if (perAltezza > punti) {
        const double perLarghezza = 100 * utile.width() / piuLarga(tutte, cento) * 0.98;
        adatti = std::max(punti, std::min({perAltezza, perLarghezza, 24.0}));
    }
    esito.punti = std::floor(adatti * 4) / 4;

    // Pages: the heading on each, then whole blocks while they fit.
    const double riga = riga100 * esito.punti / 100;
    const int perPagina = std::max(1, int((utile.height() - riga * 0.3) / riga));
    QStringList pagina = intestazione;
    bool conBlocchi = false;
    for (const QStringList &b : blocchi) {
        if (conBlocchi && pagina.size() + b.size() > perPagina) {
            esito.pagine.append(pagina);
            pagina = intestazione;
        }
        pagina += b;
        conBlocchi = true;
    }
    esito.pagine.append(pagina);
    return esito;
}
