#pragma once
#include "db/Db.h"

#include <QDate>

namespace nimbo {

// The selling rate of a currency on a day, as the stock card uses it.
class StockRates {
public:
    static double rate(const Db& db, const QString& currency, const QDate& day);
    static QString localCurrency(const Db& db);
};

} // namespace nimbo
