#include "session/DataModules.h"
#include "db/Errors.h"
#include "db/Paths.h"
#include "db/SchemaManager.h"
#include "db/SqliteExtensions.h"
#include "services/CompanyParameterLoader.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/SharedLists.h"
#include "session/FirmSelection.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

namespace nimbo {

bool TDataMPC::create()
{
    Db::close(kOrbita);
    Db year;
    try {
        const Alias a = m_aliases.read(m_s.YilAliasi);
        m_s.SurucuAdi = a.driver;
        m_s.AliasDbAdi = a.param(QStringLiteral("DATABASE NAME"));
        m_s.AliasServerAdi = a.param(QStringLiteral("SERVER NAME"));
        ConnectionParams cp = ConnectionParams::fromAlias(a);
        cp.user = kDbUser;
        cp.password.clear();
        year = Db::open(kOrbita, cp);
        SchemaManager::checkYearVersion(year);
    } catch (const DbError& e) {
        Prompter::instance().error(QStringLiteral("Veri Tabanına Giriş Hatası: ") + e.text());
        return false;
    } catch (const UserError& e) {
        Prompter::instance().error(QStringLiteral("Veri Tabanına Giriş Hatası: ") + e.message());
        Db::close(kOrbita);
        return false;
    }
    if (year.dialect().isSqlite() && SqliteExtensions::onNetworkFileSystem(QFileInfo(Db::sqliteFile(year.params())).absolutePath()))
        Prompter::instance().warn(QStringLiteral("Bu yılın veritabanı bir ağ klasöründe duruyor. Gömülü veritabanı ağ "
                                                 "klasöründe birden çok bilgisayarla güvenle kullanılamaz; birden çok "
                                                 "iş istasyonu için PostgreSQL sunucusu kullanınız."));

    try {
        Db firms = Db::open(kFirmsOfModule, ConnectionParams::fromAlias(m_aliases.read(kFirmsAlias)));
        QSqlQuery q = firms.exec(QStringLiteral("SELECT FIRMA_ADI, YILI, SUBENO FROM FIRMALAR WHERE ALIASADI = :a"),
                                 {{QStringLiteral("a"), m_s.YilAliasi}});
        if (q.next()) {
            m_s.FirmaAdi = toText(q.value(0));
            m_s.CalismaYili = toText(q.value(1));
            m_s.CalismaYiliNo = m_s.CalismaYili.toInt();
            m_s.FirmaSubeNo = q.value(2).toInt();
        }
        loadCompanyParameters(year, m_s);
    } catch (const std::exception& e) {
        Prompter::instance().error(QStringLiteral("Hata :") + QString::fromUtf8(e.what()));
        return false;
    }
    m_s.GridDesignDosyasi = Paths::workDir() + QStringLiteral("GridDesign.ini");
    m_s.SistemTempKlasoru = QDir::tempPath() + QLatin1Char('/');
    try {
        return OrtakListeleriDoldur(year, m_s);
    } catch (const std::exception& e) {
        Prompter::instance().error(QStringLiteral("Hata :") + QString::fromUtf8(e.what()));
        return false;
    }
}

Db TDataMPC::firms() const { return Db::existing(kFirmsOfModule); }

void TDataMPC::destroy() { Db::close(kFirmsOfModule); }

bool TDM1::create()
{
    m_s.BazTarih = QDate(2000, 1, 1);
    m_s.ProgramKlasoru = Paths::programDir();
    const QString dir = Paths::workDir();
    m_s.YedekKlasoru = dir + QStringLiteral("YEDEK/");
    m_s.TempKlasoru = dir + QStringLiteral("TEMP/");
    m_s.SistemTempKlasoru = QDir::tempPath() + QLatin1Char('/');
    m_s.StokResimDosyasi = m_s.TempKlasoru + QStringLiteral("TMPSTKRS.JPG");
    m_s.GridDesignDosyasi = dir + QStringLiteral("GridDesign.ini");
    m_s.IzgaraDosyalari.clear();
    for (const char* f : {"IZGARA1.INI", "IZGARA2.INI", "IZGARA3.INI", "ceksenet.ini", "cshrk.ini", "bankahrk.ini",
                          "cari.ini", "crhrkgir.ini", "crhrkgor.ini"})
        m_s.IzgaraDosyalari << dir + QLatin1String(f);

    const Db db = m_s.db();
    try {
        if (!db.isValid())
            throw UserError(QStringLiteral("Yıl veritabanı açık değil"));
        const QString dbq = db.dialect().dbNameQuery();
        m_s.DbAdi = dbq.isEmpty() ? m_s.AliasDbAdi : toText(db.scalar(dbq));
        const QString sq = db.dialect().serverNameQuery();
        m_s.SunucuAdi = sq.isEmpty() ? m_s.AliasServerAdi : toText(db.scalar(sq));
        loadCompanyParameters(db, m_s);
    } catch (const DbError& e) {
        Prompter::instance().error(QStringLiteral("Hata :") + e.text());
        return false;
    } catch (const UserError& e) {
        Prompter::instance().error(QStringLiteral("Hata :") + e.message());
        return false;
    }
    try {
        db.execAll(db.dialect().initScript());
    } catch (const DbError& e) {
        Prompter::instance().error(QStringLiteral("Hata :") + e.text());
    }
    if (m_s.DbAdi.right(4) != m_s.CalismaYili) {
        Prompter::instance().error(QStringLiteral("Hata: Firma yılı ile veritabanı ismi uyumsuz!"));
        return false;
    }
    m_s.MobilBaglanti = QStringLiteral("Provider=SQLOLEDB.1;User ID=MOBIL;Initial Catalog=MOBILE;Data Source=")
                        + m_s.SunucuAdi;
    return true;
}

bool openYearDatabase(SessionContext& s, AliasStore& aliases)
{
    TDataMPC mpc(s, aliases);
    if (!mpc.create()) {
        closeYearDatabase();
        return false;
    }
    TDM1 dm1(s);
    if (!dm1.create()) {
        closeYearDatabase();
        return false;
    }
    return true;
}

void closeYearDatabase()
{
    Db::close(kOrbita);
    Db::close(kFirmsOfModule);
}

} // namespace nimbo
