// SPDX-License-Identifier: GPL-3.0-or-later
#include "Classe.h"

#include <algorithm>

namespace {

// The ranges of the national guidelines, year by year.
constexpr AnnoDiClasse anni[] = {
    {.classe = Classe::Prima, .nome = "prima", .limite = 20},
    {.classe = Classe::Seconda, .nome = "seconda", .limite = 100},
    {.classe = Classe::Terza, .nome = "terza", .limite = 1000},
    {.classe = Classe::Quarta, .nome = "quarta", .limite = 9999},
    {.classe = Classe::Libera, .nome = "libera", .limite = 0},
};

const AnnoDiClasse &anno(Classe c)
{
    return *std::find_if(std::begin(anni), std::end(anni), [c](const AnnoDiClasse &a) { return a.classe == c; });
}

} // namespace

std::span<const AnnoDiClasse> anniDiClasse()
{
    return anni;
}

QString nomeClasse(Classe classe)
{
    return QString::fromLatin1(anno(classe).nome);
}

std::optional<Classe> classeDaNome(const QString &nome)
{
    for (const AnnoDiClasse &a : anni)
        if (nome.trimmed().compare(QLatin1String(a.nome), Qt::CaseInsensitive) == 0)
            return a.classe;
    return std::nullopt;
}

qint16 massimoPerClasse(Classe classe, qint16 massimoFinestra, qint16 opzioneMinima)
{
    const qint16 limite = anno(classe).limite;
    if (limite == 0)
        return massimoFinestra;
    return std::min(massimoFinestra, std::max(limite, opzioneMinima));
}
