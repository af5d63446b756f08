#pragma once
#include "stock/DepoKarti.h"
#include "widgets/CardWindow.h"

namespace nimbo {

// The warehouse card: number, name and place.
class TFormDepoSakla : public CardWindow {
    Q_OBJECT
public:
    // depoKodu 0: a new warehouse.
    explicit TFormDepoSakla(int depoKodu, QWidget* parent = nullptr);
    int depoKodu() const { return m_kart.depoKodu(); }

private:
    DepoKarti m_kart;
};

} // namespace nimbo
