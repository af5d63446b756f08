#include "accounts/forms/TFormCariPersonel.h"
#include "accounts/forms/CariSatirFormu.h"

#include <QSqlRecord>

namespace nimbo {

TFormCariPersonel::TFormCariPersonel(const QString& cariKod, QWidget* parent)
    : CariSatirListesi(QStringLiteral("Cari Yetkilileri"), QStringLiteral("CARIPERS"), QStringLiteral("ADI"), cariKod,
                       parent)
{
    setObjectName(QStringLiteral("TFormCariPersonel"));
    setColumns({{QStringLiteral("ADI"), QStringLiteral("Adı"), 140},
                {QStringLiteral("SOYAD"), QStringLiteral("Soyadı"), 110},
                {QStringLiteral("GOREV"), QStringLiteral("Görevi"), 140},
                {QStringLiteral("TEL"), QStringLiteral("Telefon"), 110},
                {QStringLiteral("CEPTEL"), QStringLiteral("Cep Telefonu"), 110},
                {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 160},
                {QStringLiteral("ACIKLAMA2"), QStringLiteral("Açıklama 2"), 160}});
    setAnahtar({QStringLiteral("ROW_ID")});
    setCariKod(cariKod);
}

CariSatirFormu* TFormCariPersonel::kartFormu(const QVariantMap& key)
{
    return satirFormu(std::make_unique<CariSatirKart>(db(), QStringLiteral("CARIPERS"), anahtarKolonlari()), key,
                      QStringLiteral("Cari Yetkilisi"));
}

} // namespace nimbo
