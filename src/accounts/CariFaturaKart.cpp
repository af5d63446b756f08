#include "accounts/CariFaturaKart.h"

namespace nimbo {

CariFaturaKart::CariFaturaKart(const Db& db)
    : CariSatirKart(db, QStringLiteral("CARIFATURA"), {QStringLiteral("ROW_ID")})
{
}

void CariFaturaKart::kontrol()
{
    const QString cinsiyet = text(QStringLiteral("CINSIYET"));
    if (cinsiyet.isEmpty())
        throw FieldError(QStringLiteral("Lütfen Cinsiyet/Firma Bilgisini Seçiniz!"), QStringLiteral("CINSIYET"));
    if (cinsiyet == QLatin1String("F")) {
        if (text(QStringLiteral("VD")).isEmpty())
            throw FieldError(QStringLiteral("Lütfen Vergi Dairesini Giriniz!"), QStringLiteral("VD"));
        if (text(QStringLiteral("VN")).isEmpty())
            throw FieldError(QStringLiteral("Lütfen Vergi Numarasını Giriniz!"), QStringLiteral("VN"));
    } else if (text(QStringLiteral("TCKIMLIKNO")).isEmpty()) {
        throw FieldError(QStringLiteral("Lütfen TC Kimlik Numarasını Giriniz!"), QStringLiteral("TCKIMLIKNO"));
    }
}

} // namespace nimbo
