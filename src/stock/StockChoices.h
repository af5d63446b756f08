#pragma once
#include "db/Db.h"

#include <QList>
#include <QPair>
#include <QVariantMap>

namespace nimbo {

// The pick lists of the stock card's coded columns, by STOK column: main groups, groups of the
// chosen main group, sub-groups of the chosen group, brands, models of the chosen brand,
// colours, units, currencies, VAT rates and warehouses (DEPO_KODU, for the location grid). Names come in Turkish order.
class StockChoices {
public:
    using Choice = QPair<QVariant, QString>; // stored value, name shown

    // The list of a column, narrowed by the card's value of the column above it.
    static QList<Choice> of(const Db& db, const QString& column, const QVariantMap& card);
    // The column whose value narrows the list of `column` (empty when none).
    static QString narrowedBy(const QString& column);
    // The column whose list a change of `column` narrows (empty when none).
    static QString narrows(const QString& column);
};

} // namespace nimbo
