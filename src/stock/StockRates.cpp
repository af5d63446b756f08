#include "stock/StockRates.h"
#include "services/ExchangeRates.h"

namespace nimbo {

QString StockRates::localCurrency(const Db& db)
{
    const QString c = toText(db.scalar(QStringLiteral("SELECT YERELDOVIZ FROM PARAMETRE"))).trimmed();
    return c.isEmpty() ? QStringLiteral("TL") : c;
}

double StockRates::rate(const Db& db, const QString& currency, const QDate& day)
{
    const QString c = currency.trimmed().toUpper();
    if (c.isEmpty() || c == localCurrency(db).toUpper())
        return 1;
    // Selling rate of the day, as the card's prices are sale-side figures.
    return KurBulDeger(c, 2, day);
}

} // namespace nimbo
