#pragma once
#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace nimbo {

class Db;

// What the program knows about one named connection beyond Qt's handle: the transaction
// scopes open on it, whether a statement failed inside them, and whether the server went away.
// Copies of a Db share it through the connection name.
struct ConnectionState {
    struct KeepAction {
        int depth; // the scope that registered it
        std::function<void(const Db&)> run;
    };

    int depth = 0;          // open DbTransaction scopes
    int nextSavepoint = 0;  // names of inner scopes
    bool aborted = false;   // PostgreSQL: a statement failed outside any savepoint of the transaction
    bool rollbackOnly = false; // a joined inner scope rolled back: the commit must fail
    bool lost = false;      // the server dropped the connection; reopened when no scope is open
    int generation = 0;     // counts reopenings
    bool turkishCollation = false; // PostgreSQL: an ICU Turkish collation is installed
    QVector<KeepAction> keep;      // writes that must survive a rollback of the scope they ran in
    // Statements prepared on this connection, by their text, kept for the next run (a
    // save runs the same few dozen statements every time; PostgreSQL would otherwise
    // prepare, execute and deallocate each one), and the column lists of its tables.
    // Both are dropped when the schema changes, the connection is reopened or closed.
    QHash<QString, QSqlQuery> statements;
    QHash<QString, QStringList> columns;

    void forgetStatements()
    {
        statements.clear();
        columns.clear();
    }

    static ConnectionState& of(const QString& connectionName);
    static void forget(const QString& connectionName);
};

} // namespace nimbo
