#include "support/TestEnv.h"
#include "db/DbTransaction.h"
#include "db/Paths.h"
#include "db/SchemaDef.h"
#include "db/SchemaManager.h"
#include "services/SessionContext.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <atomic>

namespace nimbo::test {

namespace {
QTemporaryDir& scratch()
{
    static QTemporaryDir d(QDir::tempPath() + QStringLiteral("/nimbotest-XXXXXX"));
    return d;
}
std::atomic<int> g_counter{0};
} // namespace

QString TestEnv::driver()
{
    const QString d = qEnvironmentVariable("NIMBO_TEST_DRIVER").toUpper();
    return d.isEmpty() ? QStringLiteral("SQLITE") : d;
}

bool TestEnv::isPg() { return driver() == QLatin1String("PGSQL"); }

QString TestEnv::tempDir() { return scratch().path(); }

QString TestEnv::server()
{
    if (isPg())
        return qEnvironmentVariable("NIMBO_TEST_PGSERVER");
    return tempDir() + QStringLiteral("/data");
}

ConnectionParams TestEnv::params(const QString& database)
{
    ConnectionParams p;
    p.driver = driver();
    p.server = server();
    p.database = database;
    return p;
}

QString TestEnv::uniqueName(const QString& stem, const QString& year)
{
    return QStringLiteral("%1%2X%3").arg(stem).arg(++g_counter).arg(year);
}

QString yearTemplate(const QString& year)
{
    static QMap<QString, QString> templates;
    if (!templates.contains(year)) {
        const QString name = QStringLiteral("TMPL") + year;
        const ConnectionParams p = TestEnv::params(name);
        if (Db::databaseExists(p))
            Db::dropDatabase(p);
        Db::createDatabase(p);
        {
            Db t = Db::open(QStringLiteral("TEMPLATE"), p);
            SchemaManager::createYear(t);
            if (t.dialect().isSqlite())
                t.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        }
        Db::close(QStringLiteral("TEMPLATE"));
        templates.insert(year, name);
    }
    return templates.value(year);
}

Db freshYearDb(const QString& year)
{
    const QString name = TestEnv::uniqueName(QStringLiteral("Y"), year);
    const ConnectionParams p = TestEnv::params(name);
    Db::createDatabase(p, yearTemplate(year));
    return Db::open(kOrbita, p);
}

void releaseYearDb(const Db& db)
{
    const ConnectionParams p = db.params();
    const QString name = db.connectionName();
    Db::close(name);
    if (!p.database.isEmpty())
        Db::dropDatabase(p);
}

PrompterScope::PrompterScope()
{
    auto p = std::make_unique<ScriptedPrompter>();
    m_p = p.get();
    m_old = Prompter::install(std::move(p));
}

PrompterScope::~PrompterScope()
{
    EXPECT_TRUE(m_p->unexpected().isEmpty()) << "unexpected messages: "
                                             << m_p->unexpected().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(m_p->unused().isEmpty()) << "messages never shown: "
                                         << m_p->unused().join(QStringLiteral(" | ")).toStdString();
    Prompter::install(std::move(m_old));
}

void YearDbTest::SetUp()
{
    SessionContext::current().reset();
    db = freshYearDb();
    SessionContext& s = SessionContext::current();
    s.FirmaAdi = QStringLiteral("DEMO");
    s.CalismaYili = QStringLiteral("2026");
    s.CalismaYiliNo = 2026;
    prompter = std::make_unique<PrompterScope>();
}

void YearDbTest::TearDown()
{
    prompter.reset();
    releaseYearDb(db);
    SessionContext::current().reset();
}

void YearDbTest::loginAs(const QString& user, const QString& defaultRight)
{
    QStringList cols = {QStringLiteral("KULLANICI"), QStringLiteral("SIFRE")};
    Params p{{QStringLiteral("KULLANICI"), user}, {QStringLiteral("SIFRE"), QStringLiteral("x")}};
    for (const QString& c : kimkulRightColumns()) {
        cols << c;
        p.insert(c, defaultRight);
    }
    QStringList holders;
    for (const QString& c : cols)
        holders << QLatin1Char(':') + c;
    DbTransaction tx(db);
    if (!db.any(QStringLiteral("SELECT 1 FROM KIMKUL WHERE KULLANICI = :k"), {{QStringLiteral("k"), user}}))
        db.exec(QStringLiteral("INSERT INTO KIMKUL (%1) VALUES (%2)")
                    .arg(cols.join(QStringLiteral(",")), holders.join(QStringLiteral(","))),
                p);
    tx.commit();
    SessionContext& s = SessionContext::current();
    s.KullaniciAdi = user;
    for (const QString& c : kimkulRightColumns())
        s.setHak(c, defaultRight);
    s.SubeKodu = 1;
    s.SubeKoduMetni = QStringLiteral("1");
}

QString sqlText(const QVariant& v) { return toText(v); }

} // namespace nimbo::test
