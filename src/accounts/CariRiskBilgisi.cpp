#include "accounts/CariRiskBilgisi.h"

namespace nimbo {

QList<RiskSatiri> CariRiskBilgisi::kagitlar(const QString& durumKosulu, const QString& kod, bool protesto) const
{
    QList<RiskSatiri> out;
    const QString sql = QStringLiteral("SELECT CSKART.CS_TIP, SUM(CSKART.TUTAR) TOPTUT, SUM(CSKART.TUTAR_USD) TOPTUT_USD, "
                                       "SUM(CSKART.TUTAR_EUR) TOPTUT_EUR FROM CSKART WHERE %1 AND (CSKART.SAHIP='M') "
                                       "AND (CSKART.CARIKOD=:CARI_KOD) GROUP BY CSKART.CS_TIP ORDER BY CSKART.CS_TIP")
                            .arg(durumKosulu);
    for (const QSqlRecord& r : m_db.records(sql, {{QStringLiteral("CARI_KOD"), kod}})) {
        RiskSatiri s;
        const bool cek = toText(r.value(0)) == QStringLiteral("Ç");
        if (protesto)
            s.baslik = cek ? QStringLiteral("Karşılıksız Çekler") : QStringLiteral("Protestolu Senetler");
        else
            s.baslik = cek ? QStringLiteral("Tahsil Edilmemiş Çekler") : QStringLiteral("Tahsil Edilmemiş Senetler");
        s.tutar = r.value(1).toDouble();
        s.usd = r.value(2).toDouble();
        s.eur = r.value(3).toDouble();
        out << s;
    }
    return out;
}

QList<RiskSatiri> CariRiskBilgisi::karsiliksiz(const QString& kod) const
{
    return kagitlar(QStringLiteral("(CSKART.SON_DURUMU='K')"), kod, true);
}

QList<RiskSatiri> CariRiskBilgisi::tahsilEdilmemis(const QString& kod) const
{
    return kagitlar(QStringLiteral("(CSKART.SON_DURUMU<>'T')"), kod, false);
}

RiskSatiri CariRiskBilgisi::faturasizIrsaliye(const QString& kod) const
{
    RiskSatiri s;
    s.baslik = QStringLiteral("Faturalanmamış İrsaliyeler");
    const auto rows = m_db.records(QStringLiteral("SELECT SUM(NETTUT), SUM(NET_USD) FROM SATIS WHERE CARIKOD = :K "
                                                  "AND COALESCE(FAT_NO, '') = '' AND COALESCE(IRS_NO, '') <> ''"),
                                   {{QStringLiteral("K"), kod}});
    if (!rows.isEmpty()) {
        s.tutar = rows.first().value(0).toDouble();
        s.usd = rows.first().value(1).toDouble();
    }
    return s;
}

} // namespace nimbo
