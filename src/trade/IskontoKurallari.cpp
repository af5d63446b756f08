#include "trade/IskontoKurallari.h"

namespace nimbo {

IskontoKurallari::IskontoKurallari(const Db& db) : m_db(db)
{
    for (const QSqlRecord& r :
         db.records(QStringLiteral("SELECT KOSULKOD, ISKCARIGRUP, ISKSTOKGRUP FROM ISKGRUP ORDER BY SIRA")))
        m_kurallar << Kural{toText(r.value(0)).trimmed(), toText(r.value(1)), toText(r.value(2))};
}

bool IskontoKurallari::grupVar(const QString& liste, const QString& grup)
{
    return !grup.isEmpty() && liste.contains(QLatin1Char('(') + grup + QLatin1Char(')'));
}

std::optional<IskontoKosulu> IskontoKurallari::sekil(const QString& kodu) const
{
    auto it = m_sekiller.find(kodu);
    if (it != m_sekiller.end())
        return *it;
    const auto r = m_db.records(QStringLiteral("SELECT KODU, VFARKYUZDE, VADEGUN, ISKYUZDE FROM SASEKIL WHERE KODU=:K"),
                                {{QStringLiteral("K"), kodu}});
    std::optional<IskontoKosulu> k;
    if (!r.isEmpty())
        k = IskontoKosulu{toText(r.first().value(0)).trimmed(), r.first().value(1).toDouble(),
                          r.first().value(2).toInt(), r.first().value(3).toDouble()};
    m_sekiller.insert(kodu, k);
    return k;
}

std::optional<IskontoKosulu> IskontoKurallari::bul(const QString& cariKod, const QString& cariGrup, double stokNo,
                                                   const QString& stokGrup) const
{
    QString kosul;
    if (!cariGrup.isEmpty() && !stokGrup.isEmpty())
        for (const Kural& k : m_kurallar)
            if (grupVar(k.cariGruplari, cariGrup) && grupVar(k.stokGruplari, stokGrup)) {
                kosul = k.kosul;
                break;
            }
    const QString ozel =
        toText(m_db.scalar(QStringLiteral("SELECT OZELISKOD FROM CARIOZISK WHERE CARI_KOD=:K AND STOK_NO=:N"),
                           {{QStringLiteral("K"), cariKod}, {QStringLiteral("N"), stokNo}}))
            .trimmed();
    if (!ozel.isEmpty())
        kosul = ozel;
    if (kosul.isEmpty())
        return std::nullopt;
    return sekil(kosul);
}

} // namespace nimbo
