#pragma once
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace nimbo {

// Null, or text of nothing but blanks.
bool isBlank(const QVariant& v);
// The text with LIKE's wildcards and the escape character escaped (use with ESCAPE '\').
QString escapeLike(QString s);
// A record as column (upper case) -> value.
QVariantMap rowMap(const QSqlRecord& r);
// Every row a query still has, as rowMap() gives them; the column names are read once.
QList<QVariantMap> readRowMaps(QSqlQuery& q);
// Two values as a card compares them: null and empty text are equal, numbers by value,
// dates by day, everything else by text with trailing blanks removed.
bool sameValue(const QVariant& a, const QVariant& b);

} // namespace nimbo
