#include "ledger/HesapPlani.h"
#include "ledger/HesapKodu.h"

#include <QSqlQuery>

namespace nimbo {

namespace {
// Codes below kod: the first characters are kod, the next one a separator, and more follow.
const char* const kAltKosul = "SUBSTR(HKOD, 1, :n) = :k AND SUBSTR(HKOD, :n1, 1) IN ('.', ' ', '-') "
                              "AND LENGTH(HKOD) > :n1";

Params altParams(const QString& kod)
{
    return {{QStringLiteral("k"), kod}, {QStringLiteral("n"), int(kod.size())}, {QStringLiteral("n1"), int(kod.size()) + 1}};
}
} // namespace

std::optional<QSqlRecord> HesapPlani::hesap(const QString& kod) const
{
    const auto rows = m_db.records(QStringLiteral("SELECT * FROM HSPLAN WHERE HKOD = :k"), {{QStringLiteral("k"), kod}});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

QString HesapPlani::ilkMuavinHesap() const
{
    return toText(m_db.scalar(QStringLiteral("SELECT MIN(HKOD) FROM HSPLAN WHERE SON_SEVIYE = 1")));
}

bool HesapPlani::SeviyeKontroluYap(const QString& kod) const
{
    return m_db.any(QStringLiteral("SELECT HKOD FROM HSPLAN WHERE HKOD = :hk AND SON_SEVIYE = 1"),
                    {{QStringLiteral("hk"), kod}});
}

QString HesapPlani::anaHesap(const QString& kod) const
{
    for (const QString& ust : HesapKodu::ustKodlar(kod))
        if (m_db.any(QStringLiteral("SELECT HKOD FROM HSPLAN WHERE HKOD = :k"), {{QStringLiteral("k"), ust}}))
            return ust;
    return {};
}

bool HesapPlani::altHesabiVar(const QString& kod) const
{
    return m_db.any(QStringLiteral("SELECT HKOD FROM HSPLAN WHERE ") + QLatin1String(kAltKosul), altParams(kod));
}

QString HesapPlani::sonAltHesap(const QString& kod) const
{
    Params p = altParams(kod);
    p.insert(QStringLiteral("s"), HesapKodu::seviye(kod) + 1);
    return toText(m_db.scalar(m_db.dialect().limit(QStringLiteral("SELECT HKOD FROM HSPLAN WHERE ")
                                                       + QLatin1String(kAltKosul)
                                                       + QStringLiteral(" AND SEVIYE = :s ORDER BY HKOD DESC"),
                                                   1),
                              p));
}

QStringList HesapPlani::altKodlarIle(const QString& kod) const
{
    QStringList out{kod};
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT HKOD FROM HSPLAN WHERE ") + QLatin1String(kAltKosul), altParams(kod));
    while (q.next())
        out << toText(q.value(0));
    return out;
}

QString HesapPlani::kodKosulu(const QStringList& kodlar, Params& params)
{
    QStringList h;
    for (int i = 0; i < kodlar.size(); ++i) {
        const QString n = QStringLiteral("c%1").arg(i);
        h << QLatin1Char(':') + n;
        params.insert(n, kodlar.at(i));
    }
    return QStringLiteral("HSPKODU IN (%1)").arg(h.join(QStringLiteral(", ")));
}

void HesapPlani::satiraKopyala(const QSqlRecord& h, FisSatiri& s)
{
    s.HSINIF = h.value(QStringLiteral("HSINIF")).toInt();
    s.HGRUBU = h.value(QStringLiteral("HGRUBU")).toInt();
    s.KEBIR = h.value(QStringLiteral("KEBIR")).toInt();
    s.MUAVIN = toText(h.value(QStringLiteral("MUAVIN")));
    s.TALI = toText(h.value(QStringLiteral("TALI")));
    s.DETAY = toText(h.value(QStringLiteral("DETAY")));
}

QPair<double, double> HesapPlani::toplamlar(const QString& kod) const
{
    Params p;
    const QString kosul = kodKosulu(altKodlarIle(kod), p);
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT SUM(BORC), SUM(ALACAK) FROM FISAYR WHERE ") + kosul, p);
    if (!q.next())
        return {0, 0};
    return {q.value(0).toDouble(), q.value(1).toDouble()};
}

const std::optional<QSqlRecord>& HesapOnbellegi::hesap(const QString& kod)
{
    auto it = m_cache.find(kod);
    if (it == m_cache.end())
        it = m_cache.insert(kod, m_plan.hesap(kod));
    return it.value();
}

void HesapOnbellegi::onYukle(const QStringList& kodlar)
{
    QStringList eksik;
    for (const QString& k : kodlar)
        if (!k.isEmpty() && !m_cache.contains(k) && !eksik.contains(k))
            eksik << k;
    // A few statement shapes only, so each stays prepared.
    constexpr int kParca = 16;
    for (int bas = 0; bas < eksik.size(); bas += kParca) {
        Params p;
        QStringList yer;
        for (int i = 0; i < kParca; ++i) {
            const QString ad = QStringLiteral("k%1").arg(i);
            yer << QLatin1Char(':') + ad;
            // Short chunks repeat their last code.
            p.insert(ad, eksik.at(qMin(bas + i, int(eksik.size()) - 1)));
        }
        const QString sql = QStringLiteral("SELECT * FROM HSPLAN WHERE HKOD IN (%1)").arg(yer.join(QStringLiteral(", ")));
        for (const QSqlRecord& r : m_plan.db().records(sql, p)) {
            const QString kod = r.value(QStringLiteral("HKOD")).toString();
            if (eksik.contains(kod))
                m_cache.insert(kod, r);
        }
    }
}

bool HesapOnbellegi::SeviyeKontroluYap(const QString& kod)
{
    const auto& r = hesap(kod);
    return r && r->value(QStringLiteral("SON_SEVIYE")).toInt() == 1;
}

} // namespace nimbo
