#include "ledger/forms/TFormFisBr.h"
#include "ledger/ElleFis.h"
#include "ledger/FisListesi.h"
#include "ledger/forms/TFormFis.h"
#include "ledger/forms/TFormFisDok.h"
#include "ledger/forms/TarihAraligi.h"
#include "services/Prompter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSqlRecord>

namespace nimbo {

TFormFisBr::TFormFisBr(QWidget* parent) : ListWindow(QStringLiteral("Muhasebe Fişleri"), parent)
{
    setObjectName(QStringLiteral("TFormFisBr"));
    using K = ListColumn::Kind;
    setColumns({{QStringLiteral("TARIH"), QStringLiteral("Tarih"), 85, K::Date},
                {QStringLiteral("FISNUMARA"), QStringLiteral("Fiş No"), 90},
                {QStringLiteral("YEVMIYE_NO"), QStringLiteral("Yevmiye No"), 75, K::Integer},
                {QStringLiteral("TUR"), QStringLiteral("Tür"), 40},
                {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 260},
                {QStringLiteral("BORC"), QStringLiteral("Borç"), 110, K::Amount, {}, true},
                {QStringLiteral("ALACAK"), QStringLiteral("Alacak"), 110, K::Amount, {}, true},
                {QStringLiteral("ENT_TIP"), QStringLiteral("Belge"), 45},
                {QStringLiteral("BELGENO"), QStringLiteral("Belge No"), 80}});
    setKeyField(QStringLiteral("FISNO"));
    m_aralik = new TarihAraligi;
    addFilterWidget(m_aralik);
    m_tur = new QComboBox;
    m_tur->setObjectName(QStringLiteral("CmbTUR"));
    m_tur->addItem(QStringLiteral("Tümü"), QString());
    for (const auto& [kod, ad] : {std::pair{"M", "Mahsup"}, {"C", "Tahsil"}, {"E", "Tediye"}, {"O", "Özel"},
                                  {"A", "Açılış"}, {"Z", "Kapanış"}})
        m_tur->addItem(QString::fromUtf8(ad), QString::fromLatin1(kod));
    addFilterWidget(m_tur);

    auto* dokum = new QPushButton(QStringLiteral("Fiş Dökümü"));
    dokum->setObjectName(QStringLiteral("BtnDOKUM"));
    commandLayout()->addWidget(dokum);
    connect(dokum, &QPushButton::clicked, this, [this] { TFormFisDok(currentKey().toDouble(), this).exec(); });

    setCommands(New | Change | Delete | Print | Export);
    resize(1000, 600);
    refresh();
}

ListQuery TFormFisBr::query() const
{
    return FisListesi::sorgu(m_aralik->bas(), m_aralik->bit(), m_tur->currentData().toString());
}

void TFormFisBr::newRecord()
{
    TFormFis f(0, false, this);
    f.exec();
    refresh(f.fis().isNew() ? currentKey() : f.fis().key());
}

void TFormFisBr::changeRecord(const QSqlRecord& row)
{
    TFormFis f(row.value(QStringLiteral("FISNO")).toDouble(), false, this);
    f.exec();
    refresh(row.value(QStringLiteral("FISNO")));
}

bool TFormFisBr::deleteRecord(const QSqlRecord& row)
{
    // The voucher asks "Kayıt Silinsin mi?" itself, after refusing a document's voucher.
    return deleteDocument<ElleFis>(row.value(QStringLiteral("FISNO")));
}

} // namespace nimbo
