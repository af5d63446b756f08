#include "db/Db.h"
#include "db/Paths.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    using nimbo::test::TestEnv;
    if (TestEnv::isPg() && TestEnv::server().isEmpty()) {
        std::printf("NIMBO_TEST_PGSERVER verilmedi: PostgreSQL koşusu atlandı\n");
        return 77;
    }
    // Every process works in its own folders and its own PostgreSQL name space.
    nimbo::Paths::setProgramDir(TestEnv::tempDir() + QStringLiteral("/program"));
    nimbo::Paths::setConfigDir(TestEnv::tempDir() + QStringLiteral("/config"));
    nimbo::Db::setPgNamespace(QStringLiteral("t%1_").arg(::getpid()));
    std::printf("engine: %s %s\n", TestEnv::driver().toUtf8().constData(), TestEnv::server().toUtf8().constData());
    return RUN_ALL_TESTS();
}
