// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dizione.h"

#include "Piattaforma.h"
#include "words/Pronuncia.h"

Dizione::Dizione(Voce &v) : voce(v) {}

void Dizione::accendi(bool si)
{
    if (si == voceAccesa)
        return;
    voceAccesa = si;
    if (si) {
        voce.preparaVoce();
        if (proprietario)
            ripeti(proprietario);
    } else {
        inAttesa.clear();
        voce.di(QString());
    }
    emit accesaCambiata(si);
}

void Dizione::di(const QString &testo, Quando quando)
{
    if (testo.isEmpty() || (quando == Quando::SeAccesa && !voceAccesa))
        return;
    if (inAttesa.isEmpty())
        QMetaObject::invokeMethod(this, &Dizione::parla, Qt::QueuedConnection);
    inAttesa.append(testo);
}

void Dizione::annuncia(QObject *finestra, const QString &detto, const QString &ripetere, Quando quando)
{
    proprietario = finestra;
    daRipetere = ripetere.isEmpty() ? detto : ripetere;
    ripetiQuando = quando;
    di(detto, quando);
}

void Dizione::ripeti(QObject *finestra)
{
    if (finestra && finestra == proprietario)
        di(daRipetere, ripetiQuando);
}

void Dizione::parla()
{
    if (inAttesa.isEmpty())
        return;
    // A pause between the parts, as a full stop reads.
    voce.di(UnisciFrasi(std::exchange(inAttesa, {})));
}
