#include "trade/IskontoKosulu.h"

namespace nimbo {

bool IskontoKosulu::grupVar(const QString& liste, const QString& grup)
{
    return !grup.isEmpty() && liste.contains(QLatin1Char('(') + grup + QLatin1Char(')'));
}

std::optional<IskontoKosulu> IskontoKosulu::bul(const Db& db, const QString& cariKod, double stokNo)
{
    QString kosul;
    const QString g = toText(db.scalar(QStringLiteral("SELECT ISKGRUP FROM CARI WHERE CARI_KOD=:K"),
                                       {{QStringLiteral("K"), cariKod}}))
                          .trimmed();
    const QString h = toText(db.scalar(QStringLiteral("SELECT ISKGRUP FROM STOK WHERE STOK_NO=:N"),
                                       {{QStringLiteral("N"), stokNo}}))
                          .trimmed();
    if (!g.isEmpty() && !h.isEmpty()) {
        for (const QSqlRecord& r :
             db.records(QStringLiteral("SELECT KOSULKOD, ISKCARIGRUP, ISKSTOKGRUP FROM ISKGRUP ORDER BY SIRA"))) {
            if (grupVar(toText(r.value(1)), g) && grupVar(toText(r.value(2)), h)) {
                kosul = toText(r.value(0)).trimmed();
                break;
            }
        }
    }
    const QString ozel = toText(db.scalar(QStringLiteral("SELECT OZELISKOD FROM CARIOZISK WHERE CARI_KOD=:K AND STOK_NO=:N"),
                                          {{QStringLiteral("K"), cariKod}, {QStringLiteral("N"), stokNo}}))
                             .trimmed();
    if (!ozel.isEmpty())
        kosul = ozel;
    if (kosul.isEmpty())
        return std::nullopt;
    const auto r = db.records(QStringLiteral("SELECT KODU, VFARKYUZDE, VADEGUN, ISKYUZDE FROM SASEKIL WHERE KODU=:K"),
                              {{QStringLiteral("K"), kosul}});
    if (r.isEmpty())
        return std::nullopt;
    return IskontoKosulu{toText(r.first().value(0)).trimmed(), r.first().value(1).toDouble(), r.first().value(2).toInt(),
                         r.first().value(3).toDouble()};
}

} // namespace nimbo
