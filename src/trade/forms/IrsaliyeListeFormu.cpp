#include "trade/forms/IrsaliyeListeFormu.h"
#include "trade/SatisListesi.h"

namespace nimbo {

IrsaliyeListeFormu::IrsaliyeListeFormu(const TicariTaraf& taraf, const QString& caption, const QString& noBasligi,
                                       const IrsaliyeFiltresi& filtre, QWidget* parent)
    : ListWindow(caption, parent), m_taraf(taraf), m_filtre(filtre)
{
    resize(820, 420);
    using K = ListColumn::Kind;
    setColumns({{taraf.anahtar, noBasligi, 70, K::Integer},
                {QStringLiteral("IRS_NO"), QStringLiteral("İrsaliye No"), 90},
                {QStringLiteral("IRSTARIH"), QStringLiteral("İrs.Tarihi"), 80, K::Date},
                {QStringLiteral("VADETRH"), QStringLiteral("Vade"), 80, K::Date},
                {QStringLiteral("NETTUT"), QStringLiteral("Tutar"), 100, K::Amount, {}, true},
                {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 200}});
    setKeyField(taraf.anahtar);
    setCommands(0);
    setPickMode(true, true);
    refresh();
}

ListQuery IrsaliyeListeFormu::query() const
{
    return SatisListesi::acikIrsaliyeler(m_taraf, m_filtre.cariKod, m_filtre.irsBas, m_filtre.irsBit, m_filtre.vadeBas,
                                         m_filtre.vadeBit);
}

} // namespace nimbo
