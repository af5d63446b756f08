#include "finance/forms/TFormKasaBr.h"
#include "finance/KasaKart.h"
#include "finance/KasaListe.h"
#include "finance/forms/TFormKasaSakla.h"

namespace nimbo {

TFormKasaBr::TFormKasaBr(QWidget* parent) : ListWindow(QStringLiteral("Kasa Kayıtları"), parent)
{
    setObjectName(QStringLiteral("TFormKasaBr"));
    setColumns({{QStringLiteral("KASAKOD"), QStringLiteral("Kasa Kodu"), 90},
                {QStringLiteral("ADI"), QStringLiteral("Adı"), 220},
                {QStringLiteral("DOVIZ_KOD"), QStringLiteral("Döviz"), 60},
                {QStringLiteral("MUH_KOD"), QStringLiteral("Muhasebe Kodu"), 120},
                {QStringLiteral("ACIKLAMA1"), QStringLiteral("Açıklama"), 200}});
    setKeyField(QStringLiteral("KASAKOD"));
    addSearchField(QStringLiteral("Kasa Kodu"), QStringLiteral("KASAKOD"));
    addSearchField(QStringLiteral("Adı"), QStringLiteral("ADI"));
    setCommands(New | Change | Delete | Print | Export);
    refresh();
}

ListQuery TFormKasaBr::query() const { return KasaListe(db()).sorgu(searchField(), searchText()); }

void TFormKasaBr::newRecord()
{
    const QString kod = TFormKasaSakla::ac(this, {});
    if (!kod.isEmpty())
        refresh(kod);
}

void TFormKasaBr::changeRecord(const QSqlRecord& row)
{
    const QString kod = TFormKasaSakla::ac(this, toText(row.value(QStringLiteral("KASAKOD"))));
    if (!kod.isEmpty())
        refresh(kod);
}

bool TFormKasaBr::deleteRecord(const QSqlRecord& row)
{
    return deleteGuarded([&] { return KasaKart::sil(db(), toText(row.value(QStringLiteral("KASAKOD")))); });
}

} // namespace nimbo
