#include "trade/forms/TFormSatIrsLis.h"

namespace nimbo {

TFormSatIrsLis::TFormSatIrsLis(const QString& cariKod, const QDate& irsBas, const QDate& irsBit, const QDate& vadeBas,
                               const QDate& vadeBit, QWidget* parent)
    : ListWindow(QStringLiteral("Satış İrsaliyeleri"), parent), m_cari(cariKod), m_irsBas(irsBas), m_irsBit(irsBit),
      m_vadeBas(vadeBas), m_vadeBit(vadeBit)
{
    setObjectName(QStringLiteral("TFormSatIrsLis"));
    resize(820, 420);
    using K = ListColumn::Kind;
    setColumns({{QStringLiteral("SATIS_NO"), QStringLiteral("Satış No"), 70, K::Integer},
                {QStringLiteral("IRS_NO"), QStringLiteral("İrsaliye No"), 90},
                {QStringLiteral("IRSTARIH"), QStringLiteral("İrs.Tarihi"), 80, K::Date},
                {QStringLiteral("VADETRH"), QStringLiteral("Vade"), 80, K::Date},
                {QStringLiteral("NETTUT"), QStringLiteral("Tutar"), 100, K::Amount, {}, true},
                {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 200}});
    setKeyField(QStringLiteral("SATIS_NO"));
    setCommands(0);
    setPickMode(true, true);
    refresh();
}

ListQuery TFormSatIrsLis::query() const
{
    return SatisListesi::acikIrsaliyeler(m_cari, m_irsBas, m_irsBit, m_vadeBas, m_vadeBit);
}

} // namespace nimbo
