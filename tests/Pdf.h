// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStandardPaths>

// What poppler reads in a PDF file: its text, and its page size and count.
struct LetturaPdf {
    bool letto = false;
    QString testo;
    QString pagina; // pdfinfo's "Page size" line
    int pagine = 0;
};

inline LetturaPdf leggiPdf(const QString &file)
{
    LetturaPdf l;
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return l;
    QProcess testo;
    testo.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    testo.waitForFinished(20000);
    l.testo = QString::fromUtf8(testo.readAllStandardOutput());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    info.waitForFinished(20000);
    for (const QString &riga : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (riga.startsWith(QLatin1String("Page size:")))
            l.pagina = riga.simplified();
        if (riga.startsWith(QLatin1String("Pages:")))
            l.pagine = riga.section(QLatin1Char(':'), 1).trimmed().toInt();
    }
    l.letto = testo.exitCode() == 0 && info.exitCode() == 0;
    return l;
}
