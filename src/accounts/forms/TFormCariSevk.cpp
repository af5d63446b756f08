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
    setAnahtar({QStringLiteral("CARIKOD"), QStringLiteral("SUBE")});
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
    return satirFormu(std::make_unique<CariSatirKart>(db(), QStringLiteral("CARISEVK"), anahtarKolonlari()), key,
                      QStringLiteral("Şube ve Sevk Adresi"));
}

} // namespace nimbo
