#include "session/LaunchParameters.h"
#include "services/SessionContext.h"

namespace nimbo {

namespace {
QString& stored()
{
    static QString s;
    return s;
}
} // namespace

QString LaunchParameters::build(const QString& alias, const QString& user, const QString& password,
                                const QString& dbUser, const QString& dbPassword, const QString& year)
{
    QString out = QLatin1Char(' ') + alias;
    for (const QString& v : {user, password, dbUser, dbPassword, year})
        out += QLatin1Char(' ') + (v.isEmpty() ? QStringLiteral("¢") : v);
    return out;
}

QString LaunchParameters::build(const SessionContext& s)
{
    const Db db = s.db();
    const ConnectionParams p = db.isValid() ? db.params() : ConnectionParams();
    return build(s.YilAliasi, s.KullaniciAdi, s.KullaniciSifresi, p.user, p.password, s.CalismaYili);
}

QString LaunchParameters::current() { return stored(); }
void LaunchParameters::setCurrent(const QString& v) { stored() = v; }

QStringList LaunchParameters::arguments(const QString& v)
{
    return v.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace nimbo
