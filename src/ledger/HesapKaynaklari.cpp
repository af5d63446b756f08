#include "ledger/HesapKaynaklari.h"
#include "ledger/TDMuh.h"
#include "db/SqlValues.h"

namespace nimbo {

namespace {
QString kolonu(const QSqlRecord& r, const QString& kolon)
{
    return r.indexOf(kolon) < 0 ? QString() : toText(r.value(kolon)).trimmed();
}
} // namespace

HesapKaynaklari::HesapKaynaklari(const TDMuh& m) : m_muh(m) {}

const QSqlRecord& HesapKaynaklari::satir(QHash<QString, QSqlRecord>& cache, const QString& key, const QString& sql,
                                         const Params& p)
{
    auto it = cache.find(key);
    if (it == cache.end()) {
        const auto rows = m_muh.db().records(sql, p);
        it = cache.insert(key, rows.isEmpty() ? QSqlRecord() : rows.first());
    }
    return it.value();
}

QString HesapKaynaklari::cari(const QString& cariKod, const QString& doviz, bool saticiTarafi)
{
    if (cariKod.trimmed().isEmpty())
        return {};
    const QSqlRecord& r = satir(m_cariler, cariKod.trimmed(),
                                QStringLiteral("SELECT MUH_KOD, MUH_KOD2, KIRILIMLI FROM CARI WHERE CARI_KOD = :k"),
                                {{QStringLiteral("k"), cariKod.trimmed()}});
    const QString kod = kolonu(r, saticiTarafi ? QStringLiteral("MUH_KOD2") : QStringLiteral("MUH_KOD"));
    return kod.isEmpty() ? kod : kod + m_muh.MuhKodDondur(kolonu(r, QStringLiteral("KIRILIMLI")), doviz);
}

QString HesapKaynaklari::kasa(const QString& kasaKod)
{
    if (kasaKod.trimmed().isEmpty())
        return {};
    return kolonu(satir(m_kasalar, kasaKod.trimmed(), QStringLiteral("SELECT MUH_KOD FROM KASA WHERE KASAKOD = :k"),
                        {{QStringLiteral("k"), kasaKod.trimmed()}}),
                  QStringLiteral("MUH_KOD"));
}

QString HesapKaynaklari::banka(const QString& bankaKod, const QString& hesapNo, const QString& kolon)
{
    const QSqlRecord& r = satir(m_bankalar, bankaKod.trimmed() + QLatin1Char('\t') + hesapNo.trimmed(),
                                QStringLiteral("SELECT * FROM BANKAYR WHERE BANKA_KOD = :b AND HESAP_NO = :h"),
                                {{QStringLiteral("b"), bankaKod.trimmed()}, {QStringLiteral("h"), hesapNo.trimmed()}});
    return kolonu(r, kolon);
}

QString HesapKaynaklari::sabit(const QString& kolon)
{
    if (!m_parametOkundu) {
        const auto rows = m_muh.db().records(QStringLiteral("SELECT * FROM PARAMET"));
        if (!rows.isEmpty())
            m_paramet = rows.first();
        m_parametOkundu = true;
    }
    return kolonu(m_paramet, kolon);
}

QString HesapKaynaklari::grup(const QVariant& tip)
{
    if (isBlank(tip))
        return {};
    return kolonu(satir(m_gruplar, QString::number(tip.toInt()),
                        QStringLiteral("SELECT GRUP_KOD FROM CARIHRKTIP WHERE TIP = :t"), {{QStringLiteral("t"), tip.toInt()}}),
                  QStringLiteral("GRUP_KOD"));
}

} // namespace nimbo
