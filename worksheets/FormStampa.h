// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Composizione.h"
#include "framework/FinestraProgramma.h"
#include "framework/Impaginazione.h"

class QButtonGroup;
class QPlainTextEdit;

// The composer of arithmetic sheets: a sheet of column additions or
// subtractions and its correction, rows, columns and print size to choose,
// each printed as plain text.
class FormStampa : public FinestraProgramma
{
    Q_OBJECT
public:
    // tipo: the sheet, 15 to 18 (additions, without exchange, subtractions,
    // without borrow), as the arithmetic window that opened it asked.
    FormStampa(Contesto &ctx, const QString &nome, qint16 tipo);
    // Asked again from another window: the next sheet is of that kind.
    void perTipo(qint16 tipo) { tipoScheda_ = tipo; }
    qint16 tipoScheda() const { return tipoScheda_; }

    // Every activation (first show, coming back from another program
    // window) starts again from 5 rows, 2 columns, 12 points and a new sheet.
    void attivata() override;
    void NuovaScheda();

    const Foglio &foglio() const { return fatto; }
    qint16 dimensioneCarattere() const { return DimensioneCarattere; }
    qint16 numeroRighe() const { return NumeroRighe; }
    qint16 numeroColonne() const { return NumeroColonne; }

    // A sheet's lines on paper: the heading, then one line a row of
    // exercises, in a fixed-pitch type so that the columns stand as a grid.
    // The text as it goes on paper; a correction with its sheet (foglio),
    // whose pages it follows.
    static TestoSuCarta sulFoglio(const QString &testo, int punti, const QString &foglio = {});
    static inline const QString caratterePerFoglio = QStringLiteral("Liberation Mono");

protected:
    void richiestaChiusura() override { chiudi(); }

private:
    void StampaTesto(bool correzione);
    // The sheet (or its correction) as a PDF file, as on paper.
    void SalvaTesto(bool correzione);
    void impostaCarattere(int indice);
    // The box's text with the line ends the program builds (CR LF).
    static QString testoDa(const QPlainTextEdit *casella);

    QPlainTextEdit *txtCD;
    QPlainTextEdit *TextCor;
    QButtonGroup *OptionCarattere;
    QButtonGroup *OptionColonne;
    QButtonGroup *OptionRighe;
    Foglio fatto;
    qint16 DimensioneCarattere = 12;
    qint16 NumeroRighe = 5;
    qint16 NumeroColonne = 2;
    qint16 tipoScheda_;
};
