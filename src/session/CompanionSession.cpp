#include "session/CompanionSession.h"
#include "services/CompanyParameterLoader.h"
#include "services/SessionContext.h"
#include "services/SharedLists.h"
#include "session/DataModules.h"
#include "session/Login.h"
#include "session/NimboSettings.h"

namespace nimbo {

std::optional<LaunchValues> LaunchValues::parse(const QStringList& args)
{
    if (args.size() != 6)
        return std::nullopt;
    const auto value = [&args](int i) {
        const QString v = args.at(i);
        return v == QStringLiteral("¢") ? QString() : v;
    };
    LaunchValues v{value(0), value(1), value(2), value(3), value(4), value(5)};
    if (v.alias.isEmpty() || v.alias.startsWith(QLatin1Char('-')))
        return std::nullopt;
    return v;
}

bool CompanionSession::openYearAndLogin(SessionContext& s, AliasStore& aliases, const QString& user,
                                        const QString& password, QString* why)
{
    const auto fail = [why](const QString& r) {
        if (why)
            *why = r;
        closeYearDatabase();
        return false;
    };
    if (!openYearDatabase(s, aliases))
        return fail(QStringLiteral("yıl veritabanı açılamadı"));
    Login login(s, s.db());
    // The remembered branch when the user may enter it, else the first one he may.
    QVariant branch = login.initialBranch();
    if (!s.db().any(QStringLiteral("SELECT SUBEKODU FROM KIMKULSUBE WHERE UPPER(KULLANICI) = UPPER(:k) AND SUBEKODU = :s"),
                    {{QStringLiteral("k"), user}, {QStringLiteral("s"), branch}}))
        branch = s.db().scalar(QStringLiteral("SELECT MIN(SUBEKODU) FROM KIMKULSUBE WHERE UPPER(KULLANICI) = UPPER(:k)"),
                               {{QStringLiteral("k"), user}});
    if (login.tamam(user, password, branch) != Login::Outcome::Success)
        return fail(QStringLiteral("giriş yapılamadı"));
    if (!OrtakListeleriDoldur(s.db(), s))
        return fail(QStringLiteral("şube yok"));
    loadBranchIdentity(s.db(), s);
    return true;
}

bool CompanionSession::open(SessionContext& s, AliasStore& aliases, const LaunchValues& v, QString* why)
{
    s.ServerAdi = NimboSettings::serverAdi();
    s.SurucuAdi = NimboSettings::surucu();
    s.YilAliasi = v.alias;
    if (!openYearAndLogin(s, aliases, v.user, v.password, why))
        return false;
    if (s.CalismaYili.isEmpty() && !v.year.isEmpty()) {
        s.CalismaYili = v.year;
        s.CalismaYiliNo = v.year.toInt();
    }
    return true;
}

} // namespace nimbo
