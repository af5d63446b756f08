#include "finance/BankaHesabi.h"
#include "db/Errors.h"

namespace nimbo {

namespace {

const QString kSelect = QStringLiteral("SELECT Y.BANKA_KOD, Y.HESAP_NO, Y.HESAP_ADI, B.BANKA_ADI, Y.HESAR_TURU, "
                                       "Y.DOVIZ_KODU, Y.KOMISYON, Y.MUH_CHES FROM BANKAYR Y JOIN BANKA B ON "
                                       "B.BANKA_KOD=Y.BANKA_KOD");

BankaHesabi fromRecord(const QSqlRecord& r)
{
    BankaHesabi h;
    h.bankaKod = toText(r.value(0)).trimmed();
    h.hesapNo = toText(r.value(1)).trimmed();
    h.hesapAdi = toText(r.value(2)).trimmed();
    h.bankaAdi = toText(r.value(3)).trimmed();
    h.tur = toText(r.value(4)).trimmed();
    h.doviz = toText(r.value(5)).trimmed();
    h.komisyon = r.value(6).toDouble();
    h.muhKod = toText(r.value(7)).trimmed();
    return h;
}

} // namespace

std::optional<BankaHesabi> BankaHesabi::bul(const Db& db, const QString& bankaKod, const QString& hesapNo)
{
    const auto rows = db.records(kSelect + QStringLiteral(" WHERE Y.BANKA_KOD=:B AND Y.HESAP_NO=:H"),
                                 {{QStringLiteral("B"), bankaKod}, {QStringLiteral("H"), hesapNo}});
    if (rows.isEmpty())
        return std::nullopt;
    return fromRecord(rows.first());
}

QList<BankaHesabi> BankaHesabi::hepsi(const Db& db)
{
    QList<BankaHesabi> out;
    for (const QSqlRecord& r : db.records(kSelect + QStringLiteral(" ORDER BY Y.BANKA_KOD, Y.HESAP_NO")))
        out << fromRecord(r);
    return out;
}

void BankaHesabi::secimKontrol(const QString& hesapNo, const QString& tur, const QString& doviz,
                               const QString& beklenenTur, const QString& beklenenDoviz)
{
    if (hesapNo.trimmed().isEmpty())
        throw UserError(QStringLiteral("Hesap No.su Olmayan Kayıt Seçilemez."));
    if (!beklenenTur.isEmpty() && tur != beklenenTur)
        throw UserError(QStringLiteral("Hesap Türü Uyumsuz !"));
    if (!beklenenDoviz.isEmpty() && doviz != beklenenDoviz)
        throw UserError(QStringLiteral("Döviz Tipi Uyumsuz  !"));
}

} // namespace nimbo
