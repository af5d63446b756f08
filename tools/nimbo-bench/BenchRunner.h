#pragma once
#include "db/Db.h"

#include <QStringList>
#include <functional>

namespace nimbo::bench {

// One timed row of the result table.
struct Timing {
    QString operation;
    qint64 count = 0;   // operations done
    double seconds = 0; // total wall time
    qint64 rows = 0;    // rows touched (0: same as count)
};

struct BenchContext {
    QString driver;   // SQLITE / PGSQL
    QString server;   // folder or host:port
    int size = 1;     // scale factor given with --size
    QString exe;      // this program, for scenarios that start worker processes
    ConnectionParams year(const QString& dbName) const;
};

// A scenario prepares its own data through the program's services and returns its timings.
struct Scenario {
    QString name;
    QString description;
    std::function<QList<Timing>(const BenchContext&)> run;
};

void registerScenario(const Scenario& s);
QList<Scenario>& scenarios();
// Scenarios of each subsystem register themselves from here (one call per file).
void registerAllScenarios();

// Times f() once; seconds.
double timeIt(const std::function<void()>& f);
void printTable(const QList<Timing>& rows);

int run(const QStringList& args);

} // namespace nimbo::bench
