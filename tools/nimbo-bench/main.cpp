#include "BenchRunner.h"

#include "NimboVersion.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nimbo-bench"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NIMBO_VERSION));
    return nimbo::bench::run(QCoreApplication::arguments());
}
