// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Contesto;
class QWidget;

// Sheets on paper or as PDF files, the same drawing either way.
namespace fogli {

// "cosa-2026-12-08.pdf": what the sheet is and the day it was made.
QString nomePdf(Contesto &ctx, const QString &cosa);

// Asks where to save, then writes the file with scrivi (which returns why
// it could not, or nothing); says where the file is (after salvato, which
// names what was saved), or why it is not.
void salvaPdf(Contesto &ctx, QWidget *finestra, const QString &cosa,
              const std::function<QString(const QString &)> &scrivi,
              const QString &salvato = QStringLiteral("La scheda è stata salvata nel file:"));

// "Stampa": on the printer; with none set up, a box says so and offers the
// PDF instead (salva runs on Yes).
void stampaOPdf(Contesto &ctx, QWidget *finestra, const std::function<void()> &stampa,
                const std::function<void()> &salva);

} // namespace fogli
