#include "BenchRunner.h"

#include "NimboVersion.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nimbo-bench"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NIMBO_VERSION));
    // Generating a large firm runs single statements for minutes.
    nimbo::DbTimeouts limits;
    limits.statement = 0;
    limits.idleInTransaction = 0;
    nimbo::Db::setTimeouts(limits);
    return nimbo::bench::run(QCoreApplication::arguments());
}
