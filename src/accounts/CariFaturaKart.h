#pragma once
#include "accounts/CariSatirKart.h"

namespace nimbo {

// Invoice addresses: a company needs its tax office and number, a person an identity number.
class CariFaturaKart : public CariSatirKart {
public:
    explicit CariFaturaKart(const Db& db);
    // Tax fields are shown only for companies.
    bool firma() const { return text(QStringLiteral("CINSIYET")) == QLatin1String("F"); }

protected:
    void kontrol() override;
};

} // namespace nimbo
