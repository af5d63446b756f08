#include "FirmAdmin.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"
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
    for (const QString& year : {QStringLiteral("2025"), QStringLiteral("2026")}) {
        const QString name = QStringLiteral("DEMO") + year;
        const ConnectionParams p = srv.params(name);
        if (Db::databaseExists(p))
            Db::dropDatabase(p);
        {
            const Db db = createYear(srv, firm, year, name, name, 1);
            demo::fillDemoYear(db, year.toInt());
        }
        Db::close(QStringLiteral("ADMIN_YEAR_") + name);
        {
            // Documents are saved as the program saves them: on the year connection of a
            // session, which the services read.
            SessionContext& s = SessionContext::current();
            s.reset();
            s.param.YERELDOVIZ = QStringLiteral("TL");
            s.param.RDOVIZ1 = QStringLiteral("USD");
            s.param.RDOVIZ2 = QStringLiteral("EUR");
            s.KullaniciAdi = QStringLiteral("YONETICI");
            s.CalismaYiliNo = year.toInt();
            const Db orbita = Db::open(kOrbita, p);
            demo::fillAccountMovementsDemo(orbita, year.toInt());
            demo::fillFinanceDemo(orbita, year.toInt());
            demo::fillPurchaseDemo(orbita, year.toInt());
            demo::fillSalesDemo(orbita, year.toInt());
            demo::fillInstalmentDemo(orbita, year.toInt());
            demo::postDemoDocuments(orbita, year.toInt());
            closeCounterConnection(orbita);
        }
        Db::close(kOrbita);
        SessionContext::current().reset();
    }
    Db::close(QStringLiteral("ADMIN_FIRMS"));
}

} // namespace nimbo::admin

namespace nimbo::admin {

namespace {
QString launchValue(const QStringList& args, int i)
{
    const QString v = args.value(i);
    return v == QStringLiteral("¢") ? QString() : v;
}

// The year database of the launch parameters, opened only for a user whose password the
// year database confirms: the maintenance program does not trust its command line.
Db openLaunchedYear(const QStringList& args)
{
    if (args.size() < 6)
        throw UserError(QStringLiteral("Eksik başlatma parametresi: takma ad, kullanıcı, şifre, veritabanı "
                                       "kullanıcısı, veritabanı şifresi, yıl"));
    const QString alias = launchValue(args, 0);
    const AliasStore store;
    if (!store.exists(alias))
        throw UserError(QStringLiteral("Veritabanı tanımı bulunamadı: %1").arg(alias));
    ConnectionParams cp = ConnectionParams::fromAlias(store.read(alias));
    cp.user = kDbUser;
    cp.password.clear();
    Db db = Db::open(QStringLiteral("ADMIN_STATUS"), cp);
    const QVariant pw = db.scalar(QStringLiteral("SELECT SIFRE FROM KIMKUL WHERE KULLANICI = :k"),
                                  {{QStringLiteral("k"), launchValue(args, 1)}});
    if (!pw.isValid() || toText(pw) != launchValue(args, 2))
        throw UserError(QStringLiteral("Geçersiz Şifre veya Kullanıcı Adı"));
    return db;
}
} // namespace

QStringList yearStatus(const QStringList& args)
{
    const Db db = openLaunchedYear(args);
    QStringList out;
    out << QStringLiteral("Bakım Ve Destek");
    out << QStringLiteral("Yıl: %1  Takma ad: %2  Veritabanı: %3")
               .arg(launchValue(args, 5), launchValue(args, 0), db.params().database);
    const int version = SchemaManager::versionOf(db);
    const int current = SchemaManager::currentVersion();
    out << QStringLiteral("Şema sürümü: %1 (program: %2)%3")
               .arg(version)
               .arg(current)
               .arg(version < current ? QStringLiteral(" - Şemayı Güncelle gerekli") : QString());
    out << QStringLiteral("Tablo sayısı: %1").arg(db.sql().tables(QSql::Tables).size());
    for (const char* t : {"KIMKUL", "SUBELER", "MENULIST", "CARI", "STOK", "FINHRK", "STOKHRK", "FIS"}) {
        const QString table = QString::fromLatin1(t);
        if (db.tableExists(table))
            out << QStringLiteral("%1: %2 kayıt")
                       .arg(table, -9)
                       .arg(db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toLongLong());
    }
    return out;
}

int upgradeYearOf(const QStringList& args)
{
    const Db db = openLaunchedYear(args);
    SchemaManager::upgradeYear(db);
    return SchemaManager::versionOf(db);
}

} // namespace nimbo::admin
