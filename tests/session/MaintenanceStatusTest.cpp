#include "FirmAdmin.h"
#include "db/Errors.h"
#include "db/SchemaManager.h"
#include "session/LaunchParameters.h"
#include "support/StartupFixture.h"

using namespace nimbo;
using namespace nimbo::test;

// The maintenance program started with the main form's launch parameter string reports
// on that firm-year, and only for a user the year database knows by that password.
TEST_F(StartupTest, MaintenanceStatusOfTheLaunchedYear)
{
    const QString year = addYear(QStringLiteral("TEST FİRMA"), QStringLiteral("2026"));
    addUser(year, QStringLiteral("Mehmet"), QStringLiteral("Gizli1"), {1});
    addUser(year, QStringLiteral("BOS"), QString(), {1});
    const auto launch = [&](const QString& user, const QString& password) {
        return LaunchParameters::arguments(LaunchParameters::build(year, user, password, QStringLiteral("NIMB"),
                                                                   QString(), QStringLiteral("2026")));
    };

    const QStringList lines = admin::yearStatus(launch(QStringLiteral("Mehmet"), QStringLiteral("Gizli1")));
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.first(), QStringLiteral("Bakım Ve Destek"));
    EXPECT_TRUE(lines.at(1).contains(year)) << lines.at(1).toStdString();
    const QString current = QString::number(SchemaManager::currentVersion());
    EXPECT_EQ(lines.at(2), QStringLiteral("Şema sürümü: %1 (program: %1)").arg(current));
    EXPECT_TRUE(lines.contains(QStringLiteral("%1: 2 kayıt").arg(QStringLiteral("KIMKUL"), -9))) << lines.join('\n').toStdString();
    EXPECT_EQ(admin::upgradeYearOf(launch(QStringLiteral("Mehmet"), QStringLiteral("Gizli1"))), current.toInt());

    // "¢" stands for an empty password.
    EXPECT_EQ(admin::yearStatus(launch(QStringLiteral("BOS"), QString())).first(), QStringLiteral("Bakım Ve Destek"));

    EXPECT_THROW(admin::yearStatus(launch(QStringLiteral("Mehmet"), QStringLiteral("gizli1"))), UserError);
    EXPECT_THROW(admin::yearStatus(launch(QStringLiteral("' OR '1'='1"), QStringLiteral("' OR '1'='1"))), UserError);
    EXPECT_THROW(admin::yearStatus(launch(QStringLiteral("Mehmet"), QStringLiteral("¢"))), UserError);
    QStringList unknown = launch(QStringLiteral("Mehmet"), QStringLiteral("Gizli1"));
    unknown[0] = QStringLiteral("YOK2026");
    EXPECT_THROW(admin::yearStatus(unknown), UserError);
    EXPECT_THROW(admin::yearStatus(unknown.mid(0, 5)), UserError);
    Db::close(QStringLiteral("ADMIN_STATUS"));
}
