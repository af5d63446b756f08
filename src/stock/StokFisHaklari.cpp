#include "stock/StokFisHaklari.h"
#include "services/SessionContext.h"
#include "stock/StokFisTipi.h"

namespace nimbo {

bool StokFisHaklari::tam(const char* column) const
{
    return m_s.hak(QLatin1String(column)) == QLatin1String("H");
}

bool StokFisHaklari::depo(int depoKodu) const
{
    if (depoKodu < 1 || depoKodu > 20)
        return true;
    return m_s.hak(QStringLiteral("DEPO%1").arg(depoKodu)) == QLatin1String("H");
}

bool StokFisHaklari::transferEdildi() const
{
    return m_s.hak(QStringLiteral("STKFISDEPTRSFR")) == QLatin1String("E");
}

// A user holding the transfer right but not the general one works on transfer slips only.
QString StokFisHaklari::duzeltmeEngeli(const QString& tip) const
{
    if (StokFisTipi::transfer(tip))
        return tam("STKFISDEPTR") ? QString() : QStringLiteral("Depolar Arası Transfer Fişini Düzeltme Yetkiniz Yok.");
    return tam("STKFISDUZEL") ? QString()
                              : QStringLiteral("Depolar Arası Transfer Yapma Dışında Düzeltme Yetkiniz Yok.");
}

QString StokFisHaklari::silmeEngeli(const QString& tip) const
{
    if (tam("STKFISIL") || (StokFisTipi::transfer(tip) && tam("STKFISDEPTR")))
        return {};
    return QStringLiteral("Depolar Arası Transfer Yapma Dışında Silme Yetkiniz Yok.");
}

} // namespace nimbo
