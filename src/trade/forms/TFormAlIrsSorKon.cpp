#include "trade/forms/TFormAlIrsSorKon.h"
#include "trade/forms/TFormAIrsLisKon.h"

namespace nimbo {

TFormAlIrsSorKon::TFormAlIrsSorKon(const QString& cariKod, QWidget* parent)
    : IrsaliyeSorFormu(TicariTaraf::alis(), cariKod, parent)
{
    setObjectName(QStringLiteral("TFormAlIrsSorKon"));
}

std::unique_ptr<IrsaliyeListeFormu> TFormAlIrsSorKon::listeFormu(const IrsaliyeFiltresi& filtre)
{
    return std::make_unique<TFormAIrsLisKon>(filtre, this);
}

QList<double> TFormAlIrsSorKon::sec(QWidget* parent, const QString& cariKod)
{
    return TFormAlIrsSorKon(cariKod, parent).sor();
}

} // namespace nimbo
