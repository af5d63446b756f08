#pragma once
#include "model/ListQuery.h"

#include <QSqlRecord>
#include <QVector>

namespace nimbo {

// The rows of a list held in memory, read a page at a time by key (each page read completely,
// so no statement stays open between pages on either engine). What is held is a window of the
// list: seek() starts it at any row, and the rows before it are read back on demand.
//
// Reading and taking in are separate steps (nextPage() then append()) so that a grid model
// can announce the change between them.
class ListPager {
public:
    static constexpr int kPageSize = 100;

    // The rows held once a seek has found a row: half a page before it, it, a page after.
    struct Window {
        QVector<QSqlRecord> rows;
        int row = -1; // the sought row, -1 when the key is not in the list
        bool atStart = true;
        bool atEnd = true;
    };

    void setPageSize(int n) { m_pageSize = qMax(2, n); }
    int pageSize() const { return m_pageSize; }

    // Reads the first page (a plain list: every row); throws DbError and keeps the old
    // rows when the query fails.
    void run(const Db& db, const ListQuery& q);
    void clear();
    const ListQuery& query() const { return m_query; }
    const Db& db() const { return m_db; }
    const QVector<QSqlRecord>& rows() const { return m_rows; }

    bool atEnd() const { return m_atEnd; }
    bool atStart() const { return m_atStart; }
    QVector<QSqlRecord> nextPage() const;
    void append(const QVector<QSqlRecord>& page);
    QVector<QSqlRecord> previousPage() const; // in list order
    void prepend(const QVector<QSqlRecord>& page);

    // The held row with this key, -1 when it is not held.
    int indexOf(const QVariant& key) const;
    // Finds the row of this key in the list without scanning: one look-up for where it
    // sorts, then the pages around it.
    Window seek(const QVariant& key) const;
    void setWindow(const Window& w);
    // Every row of the list, by a query of its own (prints and exports).
    QVector<QSqlRecord> all() const;

private:
    QVector<QSqlRecord> read(const ListQuery& q) const;
    // n rows of q after (or before) the boundary, in list order.
    QVector<QSqlRecord> readPage(const ListQuery& q, int n, const ListBoundary* after, bool backwards = false) const;
    ListBoundary boundary(const QSqlRecord& r) const;
    int nextLimit() const;

    Db m_db;
    ListQuery m_query;
    QVector<QSqlRecord> m_rows;
    int m_pageSize = kPageSize;
    bool m_atEnd = true;
    bool m_atStart = true;
};

} // namespace nimbo
