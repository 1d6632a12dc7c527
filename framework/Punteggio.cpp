// SPDX-License-Identifier: GPL-3.0-or-later
#include "Punteggio.h"

void Punteggio::conta(bool giusta)
{
    qint16 &contatore = giusta ? giuste : sbagliate;
    contatore = piuUno(contatore);
    emit conteggi(giuste, sbagliate);
    emit risposta(giusta);
}

void Punteggio::azzera()
{
    giuste = 0;
    sbagliate = 0;
    emit conteggi(0, 0);
}
