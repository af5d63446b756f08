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
    setKeyField(QStringLiteral("ROW_ID"));
    setCariKod(cariKod);
}

CariSatirFormu* TFormCariPersonel::kartFormu(const QVariantMap& key)
{
    auto kart = std::make_unique<CariSatirKart>(db(), QStringLiteral("CARIPERS"), QStringList{QStringLiteral("ROW_ID")});
    if (key.isEmpty())
        kart->yeni(cariKod());
    else if (!kart->ac(key))
        return nullptr;
    return new CariSatirFormu(std::move(kart), QStringLiteral("Cari Yetkilisi"),
                              {{QStringLiteral("ADI"), QStringLiteral("Adı")},
                               {QStringLiteral("SOYAD"), QStringLiteral("Soyadı")},
                               {QStringLiteral("GOREV"), QStringLiteral("Görevi")},
                               {QStringLiteral("TEL"), QStringLiteral("Telefon")},
                               {QStringLiteral("CEPTEL"), QStringLiteral("Cep Telefonu")},
                               {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama")},
                               {QStringLiteral("ACIKLAMA2"), QStringLiteral("Açıklama 2")}},
                              this);
}

QVariantMap TFormCariPersonel::anahtar(const QSqlRecord& row) const
{
    return {{QStringLiteral("ROW_ID"), row.value(QStringLiteral("ROW_ID"))}};
}

} // namespace nimbo
