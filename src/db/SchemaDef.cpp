#include "db/SchemaDef.h"

namespace nimbo {

namespace {
QStringList splitTopLevel(const QString& body)
{
    QStringList out;
    int depth = 0;
    QString cur;
    for (QChar c : body) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        if (c == QLatin1Char(',') && depth == 0) {
            out << cur.trimmed();
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.trimmed().isEmpty())
        out << cur.trimmed();
    return out;
}

bool isConstraint(const QString& item)
{
    const QString u = item.toUpper();
    return u.startsWith(QLatin1String("PRIMARY KEY")) || u.startsWith(QLatin1String("UNIQUE"))
           || u.startsWith(QLatin1String("CONSTRAINT")) || u.startsWith(QLatin1String("CHECK"));
}
} // namespace

QList<ColumnDef> parseColumns(const QString& body)
{
    QList<ColumnDef> out;
    for (const QString& item : splitTopLevel(body)) {
        if (item.isEmpty() || isConstraint(item))
            continue;
        ColumnDef c;
        const int sp = item.indexOf(QLatin1Char(' '));
        c.name = item.left(sp).trimmed().toUpper();
        QString rest = item.mid(sp + 1).trimmed();
        // The type is one word, optionally followed by "(n)" or "(p,s)".
        int end = 0;
        while (end < rest.size() && !rest.at(end).isSpace() && rest.at(end) != QLatin1Char('('))
            ++end;
        if (end < rest.size() && rest.at(end) == QLatin1Char('(')) {
            const int close = rest.indexOf(QLatin1Char(')'), end);
            end = close + 1;
        }
        c.type = rest.left(end).trimmed();
        c.rest = rest.mid(end).trimmed();
        out << c;
    }
    return out;
}

QStringList parseConstraints(const QString& body)
{
    QStringList out;
    for (const QString& item : splitTopLevel(body))
        if (isConstraint(item))
            out << item;
    return out;
}

QList<SchemaPart> yearSchema()
{
    return {sessionSchema(), servicesSchema(), balanceSchema(), menuSchema(), printingSchema(),
            accountsSchema(), stockSchema(),   financeSchema(), ledgerSchema(), tradeSchema()};
}

} // namespace nimbo
