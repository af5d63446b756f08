#include "trade/forms/TFormSatIrsLis.h"

namespace nimbo {

TFormSatIrsLis::TFormSatIrsLis(const IrsaliyeFiltresi& filtre, QWidget* parent)
    : IrsaliyeListeFormu(TicariTaraf::satis(), QStringLiteral("Satış İrsaliyeleri"), QStringLiteral("Satış No"), filtre,
                         parent)
{
    setObjectName(QStringLiteral("TFormSatIrsLis"));
}

} // namespace nimbo
