// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraGuidata.h"
#include "RegoleCentinaia.h"

// Form99c (with exchange) and Form99c1 (without): the addition on two rods
// guided through four phases, with a prompt and a tick at every step.
class AddizioneGuidata : public FinestraGuidata
{
    Q_OBJECT
public:
    AddizioneGuidata(Contesto &ctx, const QString &nome, const DescrizioneAritmetica &descrizione);


protected:
    qint16 risultatoAtteso() const override;
    void preparaOperazione() override;
    void ricominciaOperazione() override;
    // The addition judges after an exchange too (the subtraction does not).
    void dopoCambio() override { Controlla(); }
    qint16 massimoAlCaricamento() const override { return 99; }
};

// Form999c: the addition on three rods, unguided; the result box appears
// when the abacus shows the sum with no rod above nine.
class Addizione999 : public FinestraAritmetica
{
    Q_OBJECT
public:
    Addizione999(Contesto &ctx, const QString &nome, const DescrizioneAritmetica &descrizione);


protected:
    qint16 risultatoAtteso() const override;
    void preparaOperazione() override;
    void ricominciaOperazione() override;
    void dopoAggiunta(Posto p) override;
    void dopoRimozione(Posto) override { eseguiPasso(nullptr, regole.dopo(Mossa::Rimozione, asteOra())); }
    void dopoCambio() override { eseguiPasso(nullptr, regole.dopo(Mossa::Cambio, asteOra())); }
    qint16 massimoAlCaricamento() const override { return 999; }

private:
    using Mossa = RegoleCentinaia::Mossa;
    int cifra(Posto p) const;

    QPushButton *BottoneCambio;
    QPushButton *BottoneCambio2;
    RegoleCentinaia regole{RegoleCentinaia::Operazione::Addizione};
};
