#pragma once
#include "trade/forms/IrsaliyeListeFormu.h"

namespace nimbo {

// "Alış İrsaliyeleri": the open purchase dispatch notes of one supplier.
class TFormAIrsLisKon : public IrsaliyeListeFormu {
    Q_OBJECT
public:
    explicit TFormAIrsLisKon(const IrsaliyeFiltresi& filtre, QWidget* parent = nullptr);
};

} // namespace nimbo
