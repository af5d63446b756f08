#include "FirmAdmin.h"
#include "db/AliasStore.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "db/SchemaManager.h"
#include "demo/DemoData.h"
#include "session/FirmSelection.h"
#include "session/NimboSettings.h"

#include <QSqlQuery>

namespace nimbo::admin {

ConnectionParams Server::params(const QString& database) const
{
    ConnectionParams p;
    p.driver = driver;
    p.server = server;
    p.database = database;
    return p;
}

Db initFirms(const Server& srv)
{
    const ConnectionParams p = srv.params(kFirmsDatabase);
    if (!Db::databaseExists(p))
        Db::createDatabase(p);
    Db db = Db::open(QStringLiteral("ADMIN_FIRMS"), p);
    SchemaManager::createFirms(db);
    return db;
}

namespace {
void writeAlias(const QString& name, const Server& srv, const QString& database, const QString& dateMode)
{
    AliasStore store;
    QMap<QString, QString> params;
    params.insert(QStringLiteral("SERVER NAME"), srv.server);
    params.insert(QStringLiteral("DATABASE NAME"), database);
    params.insert(QStringLiteral("DATE MODE"), dateMode);
    params.insert(QStringLiteral("LANGDRIVER"), QString());
    params.insert(QStringLiteral("USER NAME"), kDbUser);
    params.insert(QStringLiteral("PASSWORD"), QString());
    store.add(name, srv.driver, params);
    store.save();
}
} // namespace

Db createYear(const Server& srv, const QString& firm, const QString& year, const QString& dbName,
              const QString& alias, int subeNo)
{
    if (dbName.right(4) != year)
        throw UserError(QStringLiteral("Hata: Firma yılı ile veritabanı ismi uyumsuz!"));
    const ConnectionParams p = srv.params(dbName);
    if (!Db::databaseExists(p))
        Db::createDatabase(p);
    Db year_ = Db::open(QStringLiteral("ADMIN_YEAR_") + dbName, p);
    SchemaManager::createYear(year_);
    registerYear(srv, firm, year, dbName, alias, subeNo);
    return year_;
}

void registerYear(const Server& srv, const QString& firm, const QString& year, const QString& dbName,
                  const QString& alias, int subeNo)
{
    Db firms = initFirms(srv);
    {
        DbTransaction tx(firms);
        firms.exec(QStringLiteral("DELETE FROM FIRMALAR WHERE ALIASADI = :a"), {{QStringLiteral("a"), alias}});
        firms.exec(QStringLiteral("INSERT INTO FIRMALAR (FIRMA_ADI, YILI, ALIASADI, SERVERADI, DBTIPI, DBADI, "
                                  "KULLANADI, SIFREDB, SUBENO) VALUES (:f, :y, :a, :s, :t, :d, :u, '', :n)"),
                   {{QStringLiteral("f"), firm}, {QStringLiteral("y"), year}, {QStringLiteral("a"), alias},
                    {QStringLiteral("s"), srv.server}, {QStringLiteral("t"), srv.driver.left(1)},
                    {QStringLiteral("d"), dbName}, {QStringLiteral("u"), kDbUser}, {QStringLiteral("n"), subeNo}});
        tx.commit();
    }
    writeAlias(alias, srv, dbName, QStringLiteral("1"));
}

int upgradeAll(const Server& srv)
{
    Db firms = initFirms(srv);
    int n = 0;
    for (const QSqlRecord& r : firms.records(QStringLiteral("SELECT DBADI FROM FIRMALAR ORDER BY SIRA"))) {
        const QString name = toText(r.value(0));
        const ConnectionParams p = srv.params(name);
        if (!Db::databaseExists(p))
            continue;
        Db y = Db::open(QStringLiteral("ADMIN_UPGRADE"), p);
        SchemaManager::upgradeYear(y);
        Db::close(QStringLiteral("ADMIN_UPGRADE"));
        ++n;
    }
    return n;
}

void writeWorkstationSettings(const Server& srv)
{
    NimboSettings::setServerAdi(srv.server);
    NimboSettings::setSurucu(srv.driver);
    writeAlias(kFirmsAlias, srv, kFirmsDatabase, QStringLiteral("0"));
}

void createDemo(const Server& srv)
{
    writeWorkstationSettings(srv);
    const QString firm = QStringLiteral("DEMO TİCARET");
    for (const QString year : {QStringLiteral("2025"), QStringLiteral("2026")}) {
        const QString name = QStringLiteral("DEMO") + year;
        const ConnectionParams p = srv.params(name);
        if (Db::databaseExists(p))
            Db::dropDatabase(p);
        {
            const Db db = createYear(srv, firm, year, name, name, 1);
            demo::fillDemoYear(db, year.toInt());
        }
        Db::close(QStringLiteral("ADMIN_YEAR_") + name);
    }
    Db::close(QStringLiteral("ADMIN_FIRMS"));
}

} // namespace nimbo::admin
