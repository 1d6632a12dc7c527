// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/FinestraProgramma.h"
#include "framework/Impaginazione.h"

class QLabel;
class QTableWidget;

// "Riepilogo della lezione": what each exercise window of the run saw, on
// the screen, on paper or as a PDF file. It follows the lesson while open.
class FinestraRiepilogo : public FinestraProgramma
{
    Q_OBJECT
public:
    FinestraRiepilogo(Contesto &ctx, const QString &nome);

    void carica() override { aggiorna(); }
    void attivata() override { aggiorna(); }
    TestoSuCarta sulFoglio() const;
    // The sheet as an A4 PDF file: empty when written, else why not.
    QString scriviPdf(const QString &file) const;

protected:
    void richiestaChiusura() override { chiudi(); }
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void aggiorna();
    void salvaPdf();

    QLabel *classe;
    QLabel *data;
    QLabel *vuota;
    QTableWidget *tabella;
};
