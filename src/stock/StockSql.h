#pragma once
#include "db/Db.h"

#include <QSqlRecord>
#include <QVariantMap>

namespace nimbo {

// Small SQL helpers the stock classes share.
class StockSql {
public:
    // Null or only spaces.
    static bool blank(const QVariant& v);
    // The text with LIKE's wildcards and the escape character escaped (use with ESCAPE '\').
    static QString escapeLike(QString s);
    // A record as column (upper case) -> value.
    static QVariantMap recordMap(const QSqlRecord& r);
    // Writes the values that are columns of the table: an INSERT, or an UPDATE of the other
    // columns of the row with the key.
    static void write(const Db& db, const QString& table, const QString& key, const QVariantMap& values, bool insert);
};

} // namespace nimbo
