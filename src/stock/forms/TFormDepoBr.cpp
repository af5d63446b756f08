#include "stock/forms/TFormDepoBr.h"
#include "services/SessionContext.h"
#include "services/SharedLists.h"
#include "stock/Depolar.h"
#include "stock/forms/TFormDepoSakla.h"

namespace nimbo {

TFormDepoBr::TFormDepoBr(QWidget* parent) : ListWindow(QStringLiteral("Depo Tanımları"), parent)
{
    setObjectName(QStringLiteral("TFormDepoBr"));
    setColumns({{QStringLiteral("DEPO_KODU"), QStringLiteral("Depo Kodu"), 80, ListColumn::Kind::Integer},
                {QStringLiteral("DEPO_ADI"), QStringLiteral("Depo Adı"), 260},
                {QStringLiteral("DEPO_YERI"), QStringLiteral("Depo Yeri"), 140}});
    setKeyField(QStringLiteral("DEPO_KODU"));
    addSearchField(QStringLiteral("Depo Adı"), QStringLiteral("DEPO_ADI"));
    setCommands(New | Change | Delete | Print | Export);
    resize(560, 440);
    refresh();
}

ListQuery TFormDepoBr::query() const { return Depolar::sorgu(db().dialect(), searchText()); }

void TFormDepoBr::openCard(int depoKodu)
{
    TFormDepoSakla card(depoKodu, this);
    if (card.exec() == QDialog::Accepted) {
        // Every entry window picks warehouses from the shared list.
        OrtakListeleriDoldur(db(), SessionContext::current(), QStringLiteral("DEPO"));
        refresh(card.depoKodu());
    } else
        refresh(depoKodu);
}

void TFormDepoBr::newRecord() { openCard(0); }

void TFormDepoBr::changeRecord(const QSqlRecord& row) { openCard(row.value(QStringLiteral("DEPO_KODU")).toInt()); }

bool TFormDepoBr::deleteRecord(const QSqlRecord& row)
{
    const bool done = deleteGuarded([&] { return Depolar(db()).sil(row.value(QStringLiteral("DEPO_KODU")).toInt()); });
    if (done)
        OrtakListeleriDoldur(db(), SessionContext::current(), QStringLiteral("DEPO"));
    return done;
}

} // namespace nimbo
