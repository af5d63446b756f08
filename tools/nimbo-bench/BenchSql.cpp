#include "BenchSql.h"
#include "BenchRunner.h"
#include "db/DbStatement.h"
#include "db/DbTransaction.h"
#include "db/SqlValues.h"
#include "db/Errors.h"
#include "db/SchemaManager.h"
#include "model/ListPager.h"
#include "services/SessionContext.h"

#include <algorithm>
#include <deque>
#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>

namespace nimbo::bench {

QString numbers(const Db& db, int n)
{
    return db.dialect().isPostgres()
               ? QStringLiteral("WITH G(I) AS (SELECT generate_series(1, %1)) ").arg(n)
               : QStringLiteral("WITH RECURSIVE G(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM G WHERE I < %1) ").arg(n);
}

Db freshYear(const ConnectionParams& p)
{
    if (Db::databaseExists(p))
        Db::dropDatabase(p);
    Db::createDatabase(p);
    Db db = Db::open(kOrbita, p);
    SchemaManager::createYear(db);
    return db;
}

qint64 readRows(const Db& db, const ListQuery& q, bool all)
{
    ListPager pager;
    pager.run(db, q);
    return all ? pager.all().size() : pager.rows().size();
}

Timing firstPageTiming(const Db& db, const QString& what, const ListQuery& q, int reps)
{
    qint64 rows = 0;
    const double secs = timeIt([&] {
        for (int i = 0; i < reps; ++i)
            rows += readRows(db, q, false);
    });
    return Timing{what, reps, secs, rows};
}

namespace {
QString literal(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return QLatin1Char('\'') + v.toString().replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    if (v.typeId() == QMetaType::QDate)
        return QStringLiteral("DATE '%1'").arg(v.toDate().toString(Qt::ISODate));
    if (v.typeId() == QMetaType::QDateTime)
        return QStringLiteral("TIMESTAMP '%1'").arg(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return v.toString();
}
} // namespace

void explain(const Db& db, const QString& what, const QString& sql, const Params& params)
{
    ListQuery q;
    q.sql = sql;
    q.params = params;
    explain(db, what, q);
}

void explain(const Db& db, const QString& what, const ListQuery& list)
{
    // A keyed list is read a page at a time: its first page is what the user waits for. A
    // sort that may be empty reads its empty rows and the others apart, each with its plan.
    if (list.hasNullableSort()) {
        explain(db, what + QStringLiteral(" (empty sort values)"), list.part(true));
        explain(db, what + QStringLiteral(" (the other rows)"), list.part(false));
        return;
    }
    const ListQuery q = list.isKeyed() ? list.page(db.dialect(), ListPager::kPageSize, nullptr) : list;
    QString text = (db.dialect().isPostgres() ? QStringLiteral("EXPLAIN (ANALYZE, TIMING OFF) ")
                                              : QStringLiteral("EXPLAIN QUERY PLAN "))
                   + q.sql;
    Params params = q.params;
    if (db.dialect().isPostgres()) {
        // EXPLAIN takes no prepared parameters there: the bench's own values go in as literals.
        // Names in reverse order, so that :TIP2 is replaced before :TIP could eat its prefix (a
        // name sorts before every longer name it begins).
        const QStringList names = q.params.keys();
        for (auto it = names.crbegin(); it != names.crend(); ++it)
            text.replace(QLatin1Char(':') + *it, literal(q.params.value(*it)));
        params.clear();
    }
    std::fprintf(stderr, "-- plan: %s\n", what.toUtf8().constData());
    QSqlQuery r = db.exec(text, params);
    while (r.next()) {
        QStringList cols;
        for (int i = 0; i < r.record().count(); ++i)
            cols << r.value(i).toString();
        std::fprintf(stderr, "   %s\n", cols.join(QLatin1Char(' ')).toUtf8().constData());
    }
}

BelgeSatirlari rowsOfDocument(const Db& db, double no, const QList<std::pair<QString, QString>>& tables)
{
    BelgeSatirlari out;
    for (const auto& [t, k] : tables) {
        QList<QVariantMap> rows;
        for (const QSqlRecord& r : db.records(QStringLiteral("SELECT * FROM %1 WHERE %2=:N").arg(t, k),
                                              {{QStringLiteral("N"), no}}))
            rows << rowMap(r);
        out << std::pair{t, rows};
    }
    return out;
}

double rawInsertSeconds(const Db& db, const QList<BelgeSatirlari>& documents,
                        const QList<std::pair<QString, QString>>& tables, double firstNo)
{
    // A deque: adding a statement never moves those already prepared.
    std::deque<std::pair<QString, DbStatement>> insert;
    auto statement = [&insert](const QString& t) -> DbStatement& {
        for (auto& [name, s] : insert)
            if (name == t)
                return s;
        throw UserError(t);
    };
    for (const BelgeSatirlari& d : documents)
        for (const auto& [t, rows] : d) {
            if (rows.isEmpty() || std::any_of(insert.begin(), insert.end(), [&t](const auto& s) { return s.first == t; }))
                continue;
            QStringList cols, holders;
            for (auto it = rows.first().begin(); it != rows.first().end(); ++it) {
                cols << it.key();
                holders << QLatin1Char(':') + it.key();
            }
            insert.emplace_back(t, db.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                  .arg(t, cols.join(QLatin1Char(',')), holders.join(QLatin1Char(',')))));
        }
    return timeIt([&] {
        for (int i = 0; i < documents.size(); ++i) {
            const double no = firstNo + i;
            DbTransaction tx(db);
            for (const auto& [t, rows] : documents[i])
                for (QVariantMap r : rows) {
                    for (const auto& [tab, k] : tables)
                        if (t == tab)
                            r.insert(k, no);
                    statement(t).exec(r);
                }
            tx.commit();
        }
    });
}

} // namespace nimbo::bench
