#include "PiattaformaProva.h"

#include <QFileInfo>
#include <QWidget>

void PiattaformaProva::stampaFinestra(QWidget *area)
{
    pagineFinestra.append({area ? area->window()->objectName() : QString()});
}

QStringList PiattaformaProva::nomiSuoni() const
{
    QStringList nomi;
    for (const QString &s : suoni)
        nomi.append(QFileInfo(s).fileName());
    return nomi;
}
