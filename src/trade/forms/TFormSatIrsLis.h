#pragma once
#include "trade/forms/IrsaliyeListeFormu.h"

namespace nimbo {

// "Satış İrsaliyeleri": the open sales dispatch notes of one customer.
class TFormSatIrsLis : public IrsaliyeListeFormu {
    Q_OBJECT
public:
    explicit TFormSatIrsLis(const IrsaliyeFiltresi& filtre, QWidget* parent = nullptr);
};

} // namespace nimbo
