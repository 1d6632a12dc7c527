// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraGuidata.h"
#include "RegoleCentinaia.h"

// Form99d (with the borrow) and Form99d1 (without): the subtraction on two
// rods, the minuend put on with "+", the subtrahend taken off with "-".
class SottrazioneGuidata : public FinestraGuidata
{
    Q_OBJECT
public:
    SottrazioneGuidata(Contesto &ctx, const QString &nome, const DescrizioneAritmetica &descrizione);


protected:
    qint16 risultatoAtteso() const override;
    void preparaOperazione() override;
    void ricominciaOperazione() override;
};

// Form999d: the subtraction on three rods, prompts without sounds; the
// result box appears when a "-" press leaves the abacus at the result.
class Sottrazione999 : public FinestraAritmetica
{
    Q_OBJECT
public:
    Sottrazione999(Contesto &ctx, const QString &nome, const DescrizioneAritmetica &descrizione);


protected:
    qint16 risultatoAtteso() const override;
    void preparaOperazione() override;
    void ricominciaOperazione() override;
    void dopoAggiunta(Posto) override { eseguiPasso(Label6, regole.dopo(Mossa::Aggiunta, asteOra())); }
    void dopoRimozione(Posto) override { eseguiPasso(Label6, regole.dopo(Mossa::Rimozione, asteOra())); }

private:
    using Mossa = RegoleCentinaia::Mossa;

    RegoleCentinaia regole{RegoleCentinaia::Operazione::Sottrazione};
    QLabel *Label6;
    QPushButton *BottoneCambio;
    QPushButton *BottoneCambio2;
};
