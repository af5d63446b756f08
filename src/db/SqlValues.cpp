#include "db/SqlValues.h"

#include <algorithm>
#include "db/Db.h"

namespace nimbo {

bool isBlank(const QVariant& v) { return v.isNull() || toText(v).trimmed().isEmpty(); }

QString escapeLike(QString s)
{
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    s.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    s.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return s;
}

QVariantMap rowMap(const QSqlRecord& r)
{
    QVariantMap m;
    for (int i = 0; i < r.count(); ++i)
        m.insert(r.fieldName(i).toUpper(), r.value(i));
    return m;
}

QList<QVariantMap> readRowMaps(QSqlQuery& q)
{
    QList<QVariantMap> out;
    QList<std::pair<QString, int>> columns; // by name, so each row's map is built in key order
    while (q.next()) {
        if (columns.isEmpty()) {
            const QSqlRecord r = q.record();
            for (int i = 0; i < r.count(); ++i)
                columns.append({r.fieldName(i).toUpper(), i});
            std::sort(columns.begin(), columns.end());
        }
        QVariantMap m;
        for (const auto& [name, i] : columns)
            m.insert(m.cend(), name, q.value(i));
        out.append(std::move(m));
    }
    return out;
}

namespace {
bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Int: case QMetaType::UInt:
    case QMetaType::LongLong: case QMetaType::ULongLong: case QMetaType::Short: case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}
bool isDate(const QVariant& v) { return v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime; }
} // namespace

bool sameValue(const QVariant& a, const QVariant& b)
{
    const bool ea = a.isNull() || (a.typeId() == QMetaType::QString && a.toString().isEmpty());
    const bool eb = b.isNull() || (b.typeId() == QMetaType::QString && b.toString().isEmpty());
    if (ea || eb)
        return ea == eb;
    if (isNumber(a) || isNumber(b))
        return qFuzzyCompare(1.0 + a.toDouble(), 1.0 + b.toDouble());
    if (isDate(a) || isDate(b))
        return toDate(a) == toDate(b);
    return toText(a) == toText(b);
}

} // namespace nimbo
