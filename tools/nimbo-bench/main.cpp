#include "BenchRunner.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return nimbo::bench::run(QCoreApplication::arguments());
}
