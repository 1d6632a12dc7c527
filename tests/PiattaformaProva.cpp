// SPDX-License-Identifier: GPL-3.0-or-later
#include "PiattaformaProva.h"

#include "abacus/Disegni.h"

#include "shell/PiattaformaQt.h"

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

bool PiattaformaProva::pdfFinestra(QWidget *area, const QString &file)
{
    QPrinter pdf(QPrinter::HighResolution);
    preparaPdf(pdf, file);
    disegnaFinestra(area, pdf);
    pdfScritti.append(file);
    return QFileInfo(file).size() > 0;
}

bool PiattaformaProva::pdfRighe(const QStringList &righe, const QString &carattere, int punti, const QString &file)
{
    QPrinter pdf(QPrinter::HighResolution);
    preparaPdf(pdf, file);
    scriviRighe(righe, carattere, punti, pdf);
    pdfScritti.append(file);
    return QFileInfo(file).size() > 0;
}

QStringList PiattaformaProva::nomiSuoni() const
{
    QStringList nomi;
    for (const QString &s : suoni)
        nomi.append(QFileInfo(s).fileName());
    return nomi;
}
