#include "db/AliasStore.h"
#include "db/Errors.h"
#include "support/TestEnv.h"

#include <QFile>

using namespace nimbo;
using namespace nimbo::test;

TEST(AliasStore, AddModifySaveAndReadBack)
{
    const QString file = TestEnv::tempDir() + QStringLiteral("/aliases-a.ini");
    QFile::remove(file);
    {
        AliasStore s(file);
        EXPECT_FALSE(s.exists(QStringLiteral("FIRMANIMB")));
        s.add(QStringLiteral("FIRMANIMB"), QStringLiteral("PGSQL"),
              parseParamList({QStringLiteral("SERVER NAME=db1:5432"), QStringLiteral("DATABASE NAME=FIRMANIMB"),
                              QStringLiteral("DATE MODE=0"), QStringLiteral("LANGDRIVER="),
                              QStringLiteral("USER NAME=NIMB"), QStringLiteral("PASSWORD=")}));
        s.save();
    }
    AliasStore s(file);
    ASSERT_TRUE(s.exists(QStringLiteral("firmanimb")));
    Alias a = s.read(QStringLiteral("FIRMANIMB"));
    EXPECT_EQ(a.driver, "PGSQL");
    EXPECT_EQ(a.param(QStringLiteral("SERVER NAME")), "db1:5432");
    EXPECT_EQ(a.params.size(), 6);
    s.modify(QStringLiteral("FIRMANIMB"), {{QStringLiteral("SERVER NAME"), QStringLiteral("db2")}});
    s.save();
    EXPECT_EQ(AliasStore(file).read(QStringLiteral("FIRMANIMB")).param(QStringLiteral("SERVER NAME")), "db2");
    EXPECT_THROW(s.read(QStringLiteral("YOK")), UserError);
}

TEST(AliasStore, DamagedFileReadsAsEmptyStore)
{
    const QString file = TestEnv::tempDir() + QStringLiteral("/aliases-bad.ini");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x02[[[garbage\nno=equals=sign\n[ALIAS\n");
    f.close();
    AliasStore s(file);
    EXPECT_FALSE(s.exists(QStringLiteral("FIRMANIMB")));
    s.add(QStringLiteral("X"), QStringLiteral("SQLITE"), {{QStringLiteral("SERVER NAME"), QStringLiteral("/tmp")}});
    s.save();
    EXPECT_TRUE(AliasStore(file).exists(QStringLiteral("X")));
}
