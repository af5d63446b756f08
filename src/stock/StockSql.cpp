#include "stock/StockSql.h"

namespace nimbo {

bool StockSql::blank(const QVariant& v) { return v.isNull() || toText(v).trimmed().isEmpty(); }

QString StockSql::escapeLike(QString s)
{
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    s.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    s.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return s;
}

QVariantMap StockSql::recordMap(const QSqlRecord& r)
{
    QVariantMap m;
    for (int i = 0; i < r.count(); ++i)
        m.insert(r.fieldName(i).toUpper(), r.value(i));
    return m;
}

void StockSql::write(const Db& db, const QString& table, const QString& key, const QVariantMap& values, bool insert)
{
    const QStringList cols = db.columns(table);
    Params p;
    QStringList names, holders, sets;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QString c = it.key().toUpper();
        if (!cols.contains(c))
            continue;
        p.insert(c, it.value());
        names << c;
        holders << QLatin1Char(':') + c;
        if (c != key)
            sets << QStringLiteral("%1 = :%1").arg(c);
    }
    if (insert)
        db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(u','), holders.join(u',')), p);
    else if (!sets.isEmpty())
        db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = :%3").arg(table, sets.join(u','), key), p);
}

} // namespace nimbo
