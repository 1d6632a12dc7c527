#include "Catalogo.h"

#include <QHash>

#include <functional>

FinestraProgramma *creaFinestra(const QString &nome, Contesto &ctx)
{
    using Fabbrica = std::function<FinestraProgramma *(Contesto &)>;
    static const QHash<QString, Fabbrica> fabbriche = {};
    const auto trovata = fabbriche.constFind(nome);
    return trovata == fabbriche.constEnd() ? nullptr : trovata.value()(ctx);
}
