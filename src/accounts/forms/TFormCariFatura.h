#pragma once
#include "accounts/forms/CariSatirListesi.h"

namespace nimbo {

// "Fatura Adresleri" of one account; "Seç" returns the chosen address row.
class TFormCariFatura : public CariSatirListesi {
    Q_OBJECT
public:
    explicit TFormCariFatura(const QString& cariKod, QWidget* parent = nullptr);

protected:
    CariSatirFormu* kartFormu(const QVariantMap& key) override;
};

} // namespace nimbo
