#include "support/StartupFixture.h"
#include "db/DbTransaction.h"
#include "db/Paths.h"
#include "db/SchemaDef.h"
#include "services/SessionContext.h"
#include "session/DataModules.h"
#include "session/FirmSelection.h"

#include <QDir>
#include <QFile>

namespace nimbo::test {

admin::Server StartupTest::server() const
{
    admin::Server srv;
    srv.driver = TestEnv::driver();
    srv.server = TestEnv::server();
    return srv;
}

void StartupTest::SetUp()
{
    s.reset();
    QFile::remove(Paths::settingsFile());
    QFile::remove(Paths::aliasFile());
    QFile::remove(Paths::userFile());
    QDir().mkpath(Paths::programDir());
    const ConnectionParams firms = server().params(kFirmsDatabase);
    if (Db::databaseExists(firms))
        Db::dropDatabase(firms);
    admin::initFirms(server());
    Db::close(QStringLiteral("ADMIN_FIRMS"));
    prompter = std::make_unique<PrompterScope>();
}

void StartupTest::TearDown()
{
    prompter.reset();
    closeYearDatabase();
    Db::close(kFirmsOfDialog);
    Db::close(QStringLiteral("ADMIN_FIRMS"));
    for (const QString& d : databases) {
        Db::close(QStringLiteral("ADMIN_YEAR_") + d);
        Db::dropDatabase(server().params(d));
    }
    Db::dropDatabase(server().params(kFirmsDatabase));
    s.reset();
}

QString StartupTest::addYear(const QString& firm, const QString& year, const QString& dbName, int sube)
{
    const QString name = dbName.isEmpty() ? TestEnv::uniqueName(QStringLiteral("F"), year) : dbName;
    Db::createDatabase(server().params(name), yearTemplate(year));
    admin::registerYear(server(), firm, year, name, name, sube);
    Db::close(QStringLiteral("ADMIN_FIRMS"));
    databases << name;
    return name;
}

void StartupTest::addUser(const QString& dbName, const QString& user, const QString& password,
                          const QList<int>& branches)
{
    Db db = Db::open(QStringLiteral("ADDUSER"), server().params(dbName));
    {
        DbTransaction tx(db);
        QStringList cols = {QStringLiteral("KULLANICI"), QStringLiteral("SIFRE"), QStringLiteral("PERSON_KOD")};
        Params p{{QStringLiteral("KULLANICI"), user}, {QStringLiteral("SIFRE"), password},
                 {QStringLiteral("PERSON_KOD"), QStringLiteral("P1")}};
        for (const QString& c : kimkulRightColumns()) {
            cols << c;
            p.insert(c, QStringLiteral("H"));
        }
        QStringList holders;
        for (const QString& c : cols)
            holders << QLatin1Char(':') + c;
        db.exec(QStringLiteral("INSERT INTO KIMKUL (%1) VALUES (%2)").arg(cols.join(','), holders.join(',')), p);
        if (!db.any(QStringLiteral("SELECT 1 FROM CALISAN WHERE ISCI_KOD = 'P1'")))
            db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('P1', 'Ayşe Yılmaz')"));
        for (int b : {1, 2, 99})
            if (!db.any(QStringLiteral("SELECT 1 FROM SUBELER WHERE SUBE_NO = :n"), {{QStringLiteral("n"), b}}))
                db.exec(QStringLiteral("INSERT INTO SUBELER (SUBE_NO, SUBE_ADI, MERKEZMI, MAL_ALACAGI_DEPO_KODU, "
                                       "SERVIS_DEPO_KODU) VALUES (:n, :a, :m, 1, 3)"),
                        {{QStringLiteral("n"), b},
                         {QStringLiteral("a"), b == 99 ? QStringLiteral("ORBITA WEB") : QStringLiteral("ŞUBE %1").arg(b)},
                         {QStringLiteral("m"), b == 1 ? QStringLiteral("E") : QStringLiteral("H")}});
        for (int b : branches)
            db.exec(QStringLiteral("INSERT INTO KIMKULSUBE (KULLANICI, SUBEKODU) VALUES (:k, :b)"),
                    {{QStringLiteral("k"), user}, {QStringLiteral("b"), b}});
        tx.commit();
    }
    Db::close(QStringLiteral("ADDUSER"));
}

} // namespace nimbo::test
