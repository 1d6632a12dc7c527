// SPDX-License-Identifier: GPL-3.0-or-later
#include "SalvaPdf.h"

#include "framework/Contesto.h"
#include "framework/Piattaforma.h"
#include "framework/Testi.h"

namespace fogli {

QString nomePdf(Contesto &ctx, const QString &cosa)
{
    return cosa + QLatin1Char('-') + ctx.piattaforma.oggi().toString(Qt::ISODate) + QStringLiteral(".pdf");
}

void salvaPdf(Contesto &ctx, QWidget *finestra, const QString &cosa,
              const std::function<QString(const QString &)> &scrivi, const QString &salvato)
{
    QString file = ctx.piattaforma.fileDaSalvare(finestra, nomePdf(ctx, cosa));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    // Either way the teacher is told: where the sheet is, or why it is not.
    const QString motivo = scrivi(file);
    if (motivo.isEmpty())
        ctx.piattaforma.informa(finestra, testi::titoloBox, salvato + QStringLiteral("\r\n") + file);
    else
        ctx.piattaforma.informa(finestra, testi::titoloBox,
                                QStringLiteral("Non è stato possibile salvare il file PDF:\r\n") + file
                                    + QStringLiteral("\r\n") + motivo);
}

void stampaOPdf(Contesto &ctx, QWidget *finestra, const std::function<void()> &stampa,
                const std::function<void()> &salva)
{
    if (ctx.piattaforma.stampantePronta()) {
        stampa();
        return;
    }
    if (ctx.piattaforma.proponi(finestra, testi::titoloBox,
                                QStringLiteral("Su questo computer non è configurata nessuna stampante.\r\n"
                                               "Vuoi salvare la scheda come file PDF?")))
        salva();
}

} // namespace fogli
