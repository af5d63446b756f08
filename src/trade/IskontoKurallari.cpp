#include "trade/IskontoKurallari.h"
#include "db/InList.h"

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

void IskontoKurallari::ozelleriOku(const QString& cariKod, const QList<double>& stokNolari)
{
    ozelleriBirak();
    if (cariKod.isEmpty() || stokNolari.isEmpty())
        return;
    QList<double> okunacak;
    for (double no : stokNolari) {
        if (m_okunanOzeller.contains(no))
            continue;
        m_okunanOzeller.insert(no, QString());
        okunacak << no;
    }
    Params p{{QStringLiteral("K"), cariKod}};
    for (const QSqlRecord& r :
         m_db.records(QStringLiteral("SELECT STOK_NO, OZELISKOD FROM CARIOZISK WHERE CARI_KOD=:K AND STOK_NO IN (%1)")
                          .arg(inList(okunacak, p)),
                      p))
        m_okunanOzeller.insert(r.value(0).toDouble(), toText(r.value(1)).trimmed());
    m_okunanCari = cariKod;
}

void IskontoKurallari::ozelleriBirak()
{
    m_okunanCari.clear();
    m_okunanOzeller.clear();
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
    const auto okunan = m_okunanOzeller.constFind(stokNo);
    const QString ozel =
        cariKod == m_okunanCari && okunan != m_okunanOzeller.constEnd()
            ? *okunan
            : toText(m_db.scalar(QStringLiteral("SELECT OZELISKOD FROM CARIOZISK WHERE CARI_KOD=:K AND STOK_NO=:N"),
                                 {{QStringLiteral("K"), cariKod}, {QStringLiteral("N"), stokNo}}))
                  .trimmed();
    if (!ozel.isEmpty())
        kosul = ozel;
    if (kosul.isEmpty())
        return std::nullopt;
    return sekil(kosul);
}

} // namespace nimbo
