// SPDX-License-Identifier: GPL-3.0-or-later
#include "PiattaformaProva.h"

#include "abacus/Disegni.h"

#include "framework/PiattaformaQt.h"

#include <QFileInfo>
#include <QPrinter>
#include <QWidget>

bool PiattaformaProva::premutoAdesso(QObject *proprietario)
{
    const auto *b = qobject_cast<BottoneAsta *>(proprietario);
    return b && b->tocco();
}

void PiattaformaProva::stampaFinestra(QWidget *area)
{
    pagineFinestra.append({area ? area->window()->objectName() : QString()});
}

QString PiattaformaProva::pdfFinestra(QWidget *area, const QString &file)
{
    pdfScritti.append(file);
    return scriviPdf(file, [area](QPagedPaintDevice &pdf) { return disegnaFinestra(area, pdf); });
}

QString PiattaformaProva::pdfRighe(const TestoSuCarta &testo, const QString &file)
{
    pdfScritti.append(file);
    return scriviPdf(file, [&](QPagedPaintDevice &pdf) { return scriviRighe(testo, pdf); });
}

QList<Piattaforma::PdfScritto> PiattaformaProva::pdfDaStampare(const QString &file)
{
    // As the real queue: those written leave it, the others stay.
    const QList<PdfScritto> scritti = scriviPdfNumerati(file, daStampare);
    std::vector<DisegnoStampa> restano;
    for (qsizetype i = 0; i < scritti.size(); ++i) {
        if (scritti[i].motivo.isEmpty())
            pdfScritti.append(scritti[i].file);
        else
            restano.push_back(daStampare[std::size_t(i)]);
    }
    daStampare = std::move(restano);
    return scritti;
}

QStringList PiattaformaProva::nomiSuoni() const
{
    QStringList nomi;
    for (const QString &s : suoni)
        nomi.append(QFileInfo(s).fileName());
    return nomi;
}
