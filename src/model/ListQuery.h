#pragma once
#include "db/Db.h"

#include <QHash>
#include <QString>

namespace nimbo {

// Where a page of a list starts: the sort and key values of the row it follows (or
// precedes, reading backwards).
struct ListBoundary {
    QVariant sort{};
    QVariant key{};
};

// A list query with its bound values: filters assembled from user fields go in params,
// never into the text.
//
// A keyed list (keyExpr set) is ordered by a sort expression plus a unique key and is read
// in pages: each page is "... AND (sort, key) > (:s, :k) ORDER BY sort, key LIMIT n", read
// completely, so no statement stays open between pages on either engine. Its sql is the
// SELECT ... FROM ... WHERE ... without ORDER BY (always with a WHERE clause, "WHERE 1=1"
// will do; a leading WITH is fine). A plain list (no key) carries its ORDER BY in sql and is
// read in one go: small code/name tables.
struct ListQuery {
    // Every member has an initialiser, so a list built as {sql, params} names only those two
    // (-Wmissing-field-initializers stays quiet).
    QString sql{};
    Params params{};

    QString keyExpr{};  // unique per row, never null
    QString keyField{}; // the key's column in the rows
    QString sortExpr{}; // empty: ordered by the key
    QString sortField{};
    bool sortNullable = true; // empties sort first ascending, last descending, on both engines
    bool descending = false;
    int maxRows = 0;    // at most this many rows in all (0: no limit)
    // Result column -> expression for every column the list may be sorted by.
    QHash<QString, QString> sortable{};

    bool isKeyed() const { return !keyExpr.isEmpty(); }
    bool hasNullableSort() const { return isKeyed() && !sortExpr.isEmpty() && sortNullable; }
    // The rows whose sort value is empty (ordered by the key alone) or the others (sorted by a
    // value that is never empty): each part's pages can be read along an index.
    ListQuery part(bool empties) const;
    // Appends "AND (condition)", binding value under name when a name is given.
    void addWhere(const QString& condition, const QString& name = {}, const QVariant& value = {});
    // Orders by another sortable column (or the key); false, and unchanged, when it is not one.
    bool sortBy(const QString& field, bool descending);
    QString effectiveSortExpr() const { return sortExpr.isEmpty() ? keyExpr : sortExpr; }
    QString effectiveSortField() const { return sortExpr.isEmpty() ? keyField : sortField; }

    // Every row in list order (prints and exports read this, never the grid's pages).
    ListQuery whole(const Dialect& d) const;
    // Up to n rows following the boundary in list order (from the start when it is null);
    // backwards gives the n rows before it, nearest first.
    ListQuery page(const Dialect& d, int n, const ListBoundary* after, bool backwards = false) const;
    // The one row with this key (to find where a saved row stands).
    ListQuery row(const QVariant& key) const;
    // The list as one plain statement (sql with its ORDER BY) for callers that read it whole.
    QString orderedSql(const Dialect& d) const;

private:
    QString orderBy(const Dialect& d, bool reverse) const;
    QString seek(const Dialect& d, const ListBoundary& b, bool reverse, ListQuery& out) const;
};

} // namespace nimbo
