// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/Classe.h"

#include <QString>
#include <QStringList>

// What the command line asks (arguments as the program got them, its own
// name first): start, or say the help or the version and end, or say in
// one line what was not understood and end with status 2. A repeated
// option takes its last value.
struct SceltaAvvio {
    enum class Azione { Avvia, Aiuto, Versione, Errore };
    Azione azione = Azione::Avvia;
    bool lavagna = false;
    bool tranquilla = false;
    Classe classe = Classe::Libera;
    QString messaggio; // the help, the version, or the error line
};

SceltaAvvio leggiRigaDiComando(const QStringList &argomenti, const QString &versione);
