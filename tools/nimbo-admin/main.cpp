#include "FirmAdmin.h"
#include "db/Db.h"
#include "db/Errors.h"
#include "db/Paths.h"
#include "session/NimboSettings.h"

#include "NimboVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <iostream>

using namespace nimbo;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nimbo-admin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NIMBO_VERSION));
    // Schema upgrades and demo generation may run one statement for minutes.
    nimbo::DbTimeouts limits;
    limits.statement = 0;
    limits.idleInTransaction = 0;
    nimbo::Db::setTimeouts(limits);

    // Started by the main form's "Sistem Yönetimi" with the launch parameter string. Its
    // values are data (a password may begin with "-"), so they bypass the option parser;
    // a trailing "upgrade" brings that year's schema up to date.
    const QStringList raw = QCoreApplication::arguments().mid(1);
    const QStringList commands{QStringLiteral("init"), QStringLiteral("create-year"), QStringLiteral("upgrade"),
                               QStringLiteral("demo")};
    if (raw.size() >= 6 && !commands.contains(raw.first()) && !raw.first().startsWith(QLatin1Char('-'))) {
        try {
            if (raw.value(6) == QLatin1String("upgrade"))
                std::printf("Şema sürümü: %d\n", admin::upgradeYearOf(raw));
            for (const QString& line : admin::yearStatus(raw))
                std::printf("%s\n", line.toUtf8().constData());
        } catch (const UserError& e) {
            std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
            return 1;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Hata: %s\n", e.what());
            return 1;
        }
        return 0;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "NimboSoft bakım programı\n"
        "  init                      firmalar veritabanını (FIRMANIMB) oluşturur\n"
        "  create-year FIRMA YIL DB  yıl veritabanını oluşturur ve kaydeder\n"
        "  upgrade                   kayıtlı tüm yıl veritabanlarının şemasını günceller\n"
        "  demo                      DEMO TİCARET firmasını (2025, 2026) oluşturur\n"
        "  TAKMAAD KULLANICI ŞİFRE VTKULLANICI VTŞİFRE YIL [upgrade]\n"
        "                            ana formun başlatma parametreleri: yılın bakım durumu\n"
        "--driver ve --server verilmezse init ve demo yerel SQLite klasörünü, upgrade ve\n"
        "create-year bu iş istasyonunun NIMBO.ini ayarını kullanır."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("komut"), QStringLiteral("init | create-year | upgrade | demo"));
    QCommandLineOption driver(QStringLiteral("driver"), QStringLiteral("SQLITE veya PGSQL"), QStringLiteral("sürücü"));
    QCommandLineOption server(QStringLiteral("server"), QStringLiteral("SQLite: klasör; PostgreSQL: host[:port]"),
                              QStringLiteral("sunucu"));
    QCommandLineOption programDir(QStringLiteral("program-dir"), QStringLiteral("NIMBO.ini klasörü"),
                                  QStringLiteral("klasör"));
    QCommandLineOption alias(QStringLiteral("alias"), QStringLiteral("yıl veritabanı takma adı"), QStringLiteral("ad"));
    QCommandLineOption wait(QStringLiteral("bekle"), QStringLiteral("bitince Enter tuşunu bekler (masaüstü menüsü)"));
    parser.addOptions({driver, server, programDir, alias, wait});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        parser.showHelp(1);

    // Without --program-dir NIMBO.ini is the one the program itself reads: beside the
    // binaries of a build, in the user's configuration folder when installed.
    if (parser.isSet(programDir))
        Paths::setProgramDir(parser.value(programDir));

    const QString cmd = args.first();
    const bool workstation = !parser.isSet(driver) && !parser.isSet(server) &&
                             (cmd == QLatin1String("upgrade") || cmd == QLatin1String("create-year")) &&
                             !NimboSettings::serverAdi().isEmpty();
    admin::Server srv;
    srv.driver = parser.isSet(driver) ? parser.value(driver).toUpper()
                 : workstation        ? NimboSettings::surucu()
                                      : QStringLiteral("SQLITE");
    srv.server = parser.isSet(server) ? parser.value(server)
                 : workstation        ? NimboSettings::serverAdi()
                 : srv.driver == QLatin1String("SQLITE") ? Paths::defaultDataDir() + QStringLiteral("/data")
                                                         : QStringLiteral("127.0.0.1");
    const auto done = [&parser, &wait](int code) {
        if (parser.isSet(wait)) {
            std::printf("Kapatmak için Enter tuşuna basın.\n");
            std::fflush(stdout);
            std::cin.get();
        }
        return code;
    };
    try {
        if (cmd == QLatin1String("init")) {
            admin::writeWorkstationSettings(srv);
            admin::initFirms(srv);
        } else if (cmd == QLatin1String("create-year")) {
            if (args.size() < 4)
                parser.showHelp(1);
            const QString a = parser.isSet(alias) ? parser.value(alias) : args.at(3);
            admin::createYear(srv, args.at(1), args.at(2), args.at(3), a);
        } else if (cmd == QLatin1String("upgrade")) {
            std::printf("%d yıl veritabanı güncellendi\n", admin::upgradeAll(srv));
        } else if (cmd == QLatin1String("demo")) {
            admin::createDemo(srv);
            std::printf("DEMO TİCARET oluşturuldu (%s %s)\n", srv.driver.toUtf8().constData(),
                        srv.server.toUtf8().constData());
        } else {
            parser.showHelp(1);
        }
    } catch (const UserError& e) {
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return done(1);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Hata: %s\n", e.what());
        return done(1);
    }
    return done(0);
}
