#include "accounts/forms/TFormCariSevk.h"
#include "accounts/forms/CariSatirFormu.h"

#include <QSqlRecord>

namespace nimbo {

TFormCariSevk::TFormCariSevk(const QString& cariKod, QWidget* parent)
    : CariSatirListesi(QStringLiteral("Şubeler ve Sevk Adresleri"), QStringLiteral("CARISEVK"), QStringLiteral("SUBE"),
                       cariKod, parent)
{
    setObjectName(QStringLiteral("TFormCariSevk"));
    setColumns({{QStringLiteral("SUBE"), QStringLiteral("Şube"), 110},
                {QStringLiteral("YETKILI_ADI"), QStringLiteral("Yetkili Adı"), 100},
                {QStringLiteral("YETKILI_SOYAD"), QStringLiteral("Yetkili Soyadı"), 100},
                {QStringLiteral("SEVKADR1"), QStringLiteral("Sevk Adresi"), 200},
                {QStringLiteral("SEVKADR2"), QStringLiteral("Sevk Adresi 2"), 150},
                {QStringLiteral("SEMT"), QStringLiteral("Semt"), 90},
                {QStringLiteral("ILI"), QStringLiteral("İl"), 90},
                {QStringLiteral("TEL1"), QStringLiteral("Telefon"), 100},
                {QStringLiteral("FAX"), QStringLiteral("Faks"), 100},
                {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 150}});
    setKeyField(QStringLiteral("SUBE"));
    setCariKod(cariKod);
}

QString TFormCariSevk::sec(QWidget* parent, const QString& cariKod)
{
    TFormCariSevk w(cariKod, parent);
    w.setPickMode(true);
    return w.exec() == QDialog::Accepted ? toText(w.selectedRecord().value(QStringLiteral("SUBE"))) : QString();
}

CariSatirFormu* TFormCariSevk::kartFormu(const QVariantMap& key)
{
    auto kart = std::make_unique<CariSatirKart>(db(), QStringLiteral("CARISEVK"),
                                                QStringList{QStringLiteral("CARIKOD"), QStringLiteral("SUBE")});
    if (key.isEmpty())
        kart->yeni(cariKod());
    else if (!kart->ac(key))
        return nullptr;
    return new CariSatirFormu(std::move(kart), QStringLiteral("Şube ve Sevk Adresi"),
                              {{QStringLiteral("SUBE"), QStringLiteral("Şube")},
                               {QStringLiteral("YETKILI_ADI"), QStringLiteral("Yetkili Adı")},
                               {QStringLiteral("YETKILI_SOYAD"), QStringLiteral("Yetkili Soyadı")},
                               {QStringLiteral("SEVKADR1"), QStringLiteral("Sevk Adresi")},
                               {QStringLiteral("SEVKADR2"), QStringLiteral("Sevk Adresi 2")},
                               {QStringLiteral("SEMT"), QStringLiteral("Semt")},
                               {QStringLiteral("ILI"), QStringLiteral("İl")},
                               {QStringLiteral("TEL1"), QStringLiteral("Telefon")},
                               {QStringLiteral("FAX"), QStringLiteral("Faks")},
                               {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama")}},
                              this);
}

QVariantMap TFormCariSevk::anahtar(const QSqlRecord& row) const
{
    return {{QStringLiteral("CARIKOD"), row.value(QStringLiteral("CARIKOD"))},
            {QStringLiteral("SUBE"), row.value(QStringLiteral("SUBE"))}};
}

} // namespace nimbo
