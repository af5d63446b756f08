#pragma once
#include "accounts/forms/CariSatirListesi.h"

namespace nimbo {

// The persons working at one account's firm (CARIPERS).
class TFormCariPersonel : public CariSatirListesi {
    Q_OBJECT
public:
    explicit TFormCariPersonel(const QString& cariKod, QWidget* parent = nullptr);

protected:
    CariSatirFormu* kartFormu(const QVariantMap& key) override;
};

} // namespace nimbo
