#pragma once
#include "stock/StockFilter.h"
#include "model/ListQuery.h"

#include <QStringList>

namespace nimbo {

// The stock list's query: the first 500 rows without a filter, every filter clause as a
// bound value otherwise, ordered by any list column (then by STOK_NO) and read in pages.
class StockListQuery {
public:
    static constexpr int kUnfilteredRows = 500;

    static ListQuery build(const Dialect& d, const StockFilter& f);
    // The columns of the list, in order (the order-by choices).
    static QStringList columns();
    // The SQL expression a list column sorts by.
    static QString sortExpression(const QString& column);
};

} // namespace nimbo
