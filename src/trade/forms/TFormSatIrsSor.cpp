#include "trade/forms/TFormSatIrsSor.h"
#include "trade/forms/TFormSatIrsLis.h"

namespace nimbo {

TFormSatIrsSor::TFormSatIrsSor(const QString& cariKod, QWidget* parent)
    : IrsaliyeSorFormu(TicariTaraf::satis(), cariKod, parent)
{
    setObjectName(QStringLiteral("TFormSatIrsSor"));
}

std::unique_ptr<IrsaliyeListeFormu> TFormSatIrsSor::listeFormu(const IrsaliyeFiltresi& filtre)
{
    return std::make_unique<TFormSatIrsLis>(filtre, this);
}

QList<double> TFormSatIrsSor::sec(QWidget* parent, const QString& cariKod) { return TFormSatIrsSor(cariKod, parent).sor(); }

} // namespace nimbo
