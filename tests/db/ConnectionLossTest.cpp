#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <unistd.h>

using namespace nimbo;
using namespace nimbo::test;

namespace {

// A PostgreSQL cluster of the test's own, started and stopped at will.
class OwnCluster {
public:
    OwnCluster()
    {
        const QStringList bins = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (bins.isEmpty())
            return;
        m_bin = QStringLiteral("/usr/lib/postgresql/%1/bin/").arg(bins.last());
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        if (::getuid() == 0)
            QProcess::execute(QStringLiteral("chown"), {QStringLiteral("postgres"), m_dir.path()});
        m_ok = run(QStringLiteral("%1initdb -D %2/data -U postgres -A trust -E UTF8 --locale=C.UTF-8")
                       .arg(m_bin, m_dir.path()))
               && start()
               && run(QStringLiteral("%1psql -h 127.0.0.1 -p %2 -U postgres -qc 'CREATE ROLE \"NIMB\" LOGIN SUPERUSER'")
                          .arg(m_bin)
                          .arg(m_port));
    }
    ~OwnCluster() { run(QStringLiteral("%1pg_ctl -D %2/data -m immediate stop").arg(m_bin, m_dir.path())); }

    bool ok() const { return m_ok; }
    QString server() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    bool start()
    {
        return run(QStringLiteral("%1pg_ctl -D %2/data -l %2/log -w -o \"-h 127.0.0.1 -p %3 -k %2 -c fsync=off\" start")
                       .arg(m_bin, m_dir.path())
                       .arg(m_port));
    }
    bool stop() { return run(QStringLiteral("%1pg_ctl -D %2/data -m fast -w stop").arg(m_bin, m_dir.path())); }

private:
    bool run(const QString& command)
    {
        const QString line = ::getuid() == 0
                                 ? QStringLiteral("su -s /bin/bash postgres -c '%1'").arg(QString(command).replace(QLatin1Char('\''), QStringLiteral("'\\''")))
                                 : command;
        QProcess p;
        p.start(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), line + QStringLiteral(" >/dev/null 2>&1")});
        return p.waitForFinished(120000) && p.exitCode() == 0;
    }

    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/nimbo-kopma-XXXXXX")};
    QString m_bin;
    int m_port = 0;
    bool m_ok = false;
};

} // namespace

// The server restarted under a session: the statement that meets the dead connection says
// so in plain Turkish (also the commit of a transaction that was open), and the next action
// reopens the connection by itself.
TEST(ConnectionLoss, ServerRestartIsToldAndTheNextActionReconnects)
{
    if (!TestEnv::isPg())
        GTEST_SKIP() << "an embedded database has no server to lose";
    OwnCluster cluster;
    ASSERT_TRUE(cluster.ok()) << "could not start a cluster of the test's own";
    ConnectionParams p = TestEnv::params(TestEnv::uniqueName(QStringLiteral("KOPMA")));
    p.server = cluster.server();
    Db::createDatabase(p);
    const QString name = QStringLiteral("KOPMA");
    Db db = Db::open(name, p);
    db.exec(QStringLiteral("CREATE TABLE T (K INTEGER)"));
    db.exec(QStringLiteral("INSERT INTO T (K) VALUES (1)"));

    ASSERT_TRUE(cluster.stop());
    ASSERT_TRUE(cluster.start());
    try {
        db.scalar(QStringLiteral("SELECT COUNT(*) FROM T"));
        ADD_FAILURE() << "a dead connection answered";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.isConnectionLost()) << e.what();
        EXPECT_EQ(e.text(), connectionLostMessage());
    }
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 1); // reopened

    // Lost inside a transaction: nothing of it is kept, the commit says why, and the
    // connection works again once the scope has ended.
    try {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO T (K) VALUES (2)"));
        EXPECT_TRUE(cluster.stop());
        EXPECT_TRUE(cluster.start());
        try {
            db.exec(QStringLiteral("INSERT INTO T (K) VALUES (3)"));
        } catch (const DbError& e) {
            EXPECT_TRUE(e.isConnectionLost()) << e.what();
        }
        tx.commit();
        ADD_FAILURE() << "a transaction of a dead connection committed";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.isConnectionLost()) << e.what();
    }
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 1);
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO T (K) VALUES (4)"));
    tx.commit();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT MAX(K) FROM T")).toInt(), 4);
    Db::close(name);
}
