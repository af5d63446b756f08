#pragma once
#include "accounts/forms/CariSatirListesi.h"

namespace nimbo {

// "Şubeler ve Sevk Adresleri" of one account; "Seç" returns the chosen branch (SUBE).
class TFormCariSevk : public CariSatirListesi {
    Q_OBJECT
public:
    explicit TFormCariSevk(const QString& cariKod, QWidget* parent = nullptr);
    // Opens modally in pick mode; the chosen branch, or empty.
    static QString sec(QWidget* parent, const QString& cariKod);

protected:
    CariSatirFormu* kartFormu(const QVariantMap& key) override;
};

} // namespace nimbo
