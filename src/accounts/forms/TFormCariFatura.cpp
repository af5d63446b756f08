#include "accounts/forms/TFormCariFatura.h"
#include "accounts/CariFaturaKart.h"
#include "accounts/forms/CariSatirFormu.h"

#include <QComboBox>
#include <QSqlRecord>

namespace nimbo {

TFormCariFatura::TFormCariFatura(const QString& cariKod, QWidget* parent)
    : CariSatirListesi(QStringLiteral("Fatura Adresleri"), QStringLiteral("CARIFATURA"), QStringLiteral("ADRES_TANIM"),
                       cariKod, parent)
{
    setObjectName(QStringLiteral("TFormCariFatura"));
    setColumns({{QStringLiteral("ADRES_TANIM"), QStringLiteral("Adres Tanımı"), 110},
                {QStringLiteral("FIRMA_ADI"), QStringLiteral("Firma Adı"), 180},
                {QStringLiteral("YETKILI_ADI"), QStringLiteral("Yetkili Adı"), 100},
                {QStringLiteral("SEVKADR1"), QStringLiteral("Adres"), 200},
                {QStringLiteral("ILI"), QStringLiteral("İl"), 90},
                {QStringLiteral("VD"), QStringLiteral("Vergi Dairesi"), 100},
                {QStringLiteral("VN"), QStringLiteral("Vergi No"), 100},
                {QStringLiteral("TCKIMLIKNO"), QStringLiteral("TC Kimlik No"), 100}});
    setAnahtar({QStringLiteral("ROW_ID")});
    setCariKod(cariKod);
}

CariSatirFormu* TFormCariFatura::kartFormu(const QVariantMap& key)
{
    auto kart = std::make_unique<CariFaturaKart>(db());
    CariFaturaKart* k = kart.get();
    const QList<QPair<QString, QString>> eh = {{QStringLiteral("E"), QStringLiteral("Evet")},
                                               {QStringLiteral("H"), QStringLiteral("Hayır")}};
    auto* f = satirFormu(std::move(kart), key, QStringLiteral("Fatura Adresi"),
                         {{QStringLiteral("ADRES_TANIM"), QStringLiteral("Adres Tanımı")},
                          {QStringLiteral("CINSIYET"), QStringLiteral("Cinsiyet/Firma"),
                           {{QString(), QString()},
                            {QStringLiteral("F"), QStringLiteral("Firma")},
                            {QStringLiteral("E"), QStringLiteral("Şahıs (Erkek)")},
                            {QStringLiteral("K"), QStringLiteral("Şahıs (Kadın)")}}},
                          {QStringLiteral("FIRMA_ADI"), QStringLiteral("Firma Adı")},
                          {QStringLiteral("YETKILI_ADI"), QStringLiteral("Yetkili Adı")},
                          {QStringLiteral("YETKILI_SOYAD"), QStringLiteral("Yetkili Soyadı")},
                          {QStringLiteral("SEVKADR1"), QStringLiteral("Adres")},
                          {QStringLiteral("SEVKADR2"), QStringLiteral("Adres 2")},
                          {QStringLiteral("SEMT"), QStringLiteral("Semt")},
                          {QStringLiteral("POSTAKODU"), QStringLiteral("Posta Kodu")},
                          {QStringLiteral("ILI"), QStringLiteral("İl")},
                          {QStringLiteral("TEL1"), QStringLiteral("Telefon")},
                          {QStringLiteral("VD"), QStringLiteral("Vergi Dairesi")},
                          {QStringLiteral("VN"), QStringLiteral("Vergi No")},
                          {QStringLiteral("TCKIMLIKNO"), QStringLiteral("TC Kimlik No")},
                          {QStringLiteral("KULLANILDI"), QStringLiteral("Kullanıldı"), eh},
                          {QStringLiteral("AKTIF"), QStringLiteral("Aktif"), eh}});
    if (!f)
        return nullptr;
    // A new address is active from the start; that is no change of the user's.
    if (k->isNew()) {
        k->setValue(QStringLiteral("AKTIF"), QStringLiteral("E"));
        k->markClean();
        f->showColumn(QStringLiteral("AKTIF"));
    }
    // The tax fields are for companies, the identity number for persons.
    auto showKind = [f, k] {
        f->setFieldVisible(QStringLiteral("VD"), k->firma());
        f->setFieldVisible(QStringLiteral("VN"), k->firma());
        f->setFieldVisible(QStringLiteral("TCKIMLIKNO"), !k->firma());
    };
    showKind();
    if (auto* c = qobject_cast<QComboBox*>(f->editorFor(QStringLiteral("CINSIYET"))))
        QObject::connect(c, &QComboBox::currentIndexChanged, f, showKind);
    return f;
}

} // namespace nimbo
