#pragma once

#include <QString>
#include <QStringList>

// The text broken into printed lines of at most larghezza + 1 characters,
// after a blank where it can be; the carriage returns of the text stay.
// Only blanks (character 32) are trimmed from the ends.
QString TagliaRighe(const QString &testo, int larghezza);
// The wrapped text as the lines the printer receives.
QStringList righeDaStampare(const QString &tagliato);
