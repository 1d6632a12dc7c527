// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraGuidata.h"

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
    void dopoRimozione(Posto) override { Controlla(); }
    void dopoCambio() override { Controlla(); }
    qint16 massimoAlCaricamento() const override { return 999; }

private:
    void Controlla();
    int cifra(Posto p) const;

    QPushButton *BottoneCambio;
    QPushButton *BottoneCambio2;
    qint16 CifraU = 0, CifraDa = 0, CifraH = 0;
};
