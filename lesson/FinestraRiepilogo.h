// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/FinestraProgramma.h"
#include "framework/Impaginazione.h"

class RegistroLezione;

class QLabel;
class QTableView;

// "Riepilogo della lezione": what each exercise window of the run saw, on
// the screen, on paper or as a PDF file. It shows the lesson's register,
// which it follows while open.
class FinestraRiepilogo : public FinestraProgramma
{
    Q_OBJECT
public:
    FinestraRiepilogo(Contesto &ctx, const QString &nome, RegistroLezione &lezione);

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
    RegistroLezione &lezione;
    QTableView *tabella;
};
