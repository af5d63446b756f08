#include "trade/forms/TFormAIrsLisKon.h"

namespace nimbo {

TFormAIrsLisKon::TFormAIrsLisKon(const IrsaliyeFiltresi& filtre, QWidget* parent)
    : IrsaliyeListeFormu(TicariTaraf::alis(), QStringLiteral("Alış İrsaliyeleri"), QStringLiteral("Alış No"), filtre,
                         parent)
{
    setObjectName(QStringLiteral("TFormAIrsLisKon"));
}

} // namespace nimbo
