#include "stock/StockRights.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

namespace nimbo {

namespace {
bool viewOrFull(const QString& column)
{
    const QString h = SessionContext::current().hak(column).trimmed().toUpper();
    return h == QLatin1String("H") || h == QLatin1String("O");
}
} // namespace

bool StockRights::mayOpenCard()
{
    if (viewOrFull(QStringLiteral("STKART")))
        return true;
    Prompter::instance().warn(QStringLiteral("Stok Kartı Yetkiniz Yok"));
    return false;
}

bool StockRights::maySeeQuantities()
{
    if (viewOrFull(QStringLiteral("DEPSTK")))
        return true;
    Prompter::instance().warn(QStringLiteral("Depo Stok Miktarlarını Görme Yetkiniz Yok..!"));
    return false;
}

} // namespace nimbo
