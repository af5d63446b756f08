#include "stock/forms/TFormStokTanim.h"
#include "stock/forms/TFormStokTanimKart.h"

#include <QSqlRecord>

namespace nimbo {

TFormStokTanim::TFormStokTanim(StockMasterData::Kind kind, const QString& caption, QWidget* parent)
    : ListWindow(caption, parent), m_kind(kind)
{
    setObjectName(QStringLiteral("TFormStokTanim"));
    const StockMasterData d = data();
    QList<ListColumn> cols;
    for (const StockMasterData::Column& c : d.columns()) {
        const int width = c.name == d.keyColumn() ? 90 : c.name == d.nameColumn() ? 230 : 110;
        ListColumn lc{c.name, c.caption, width};
        if (c.type == StockMasterData::Column::Type::Integer)
            lc.kind = ListColumn::Kind::Integer;
        if (c.type == StockMasterData::Column::Type::Number)
            lc.kind = ListColumn::Kind::Amount, lc.width = 80;
        if (c.type == StockMasterData::Column::Type::Choice)
            continue; // shown by name below
        cols << lc;
    }
    using K = StockMasterData::Kind;
    if (kind == K::Grup || kind == K::AltGrup)
        cols << ListColumn{QStringLiteral("ANA_GRUP_ADI"), QStringLiteral("Ana Grup"), 150};
    if (kind == K::AltGrup)
        cols << ListColumn{QStringLiteral("UST_GRUP_ADI"), QStringLiteral("Grup"), 150};
    if (kind == K::Model)
        cols << ListColumn{QStringLiteral("FIRMA_ADI"), QStringLiteral("Marka"), 150};
    setColumns(cols);
    setKeyField(d.keyColumn());
    addSearchField(QStringLiteral("Adı"), d.nameColumn());
    setCommands(New | Change | Delete | Print | Export);
    resize(820, 520);
    refresh();
}

ListQuery TFormStokTanim::query() const { return data().listQuery(searchText()); }

void TFormStokTanim::openCard(const QVariant& key)
{
    TFormStokTanimKart card(data(), key, windowTitle(), this);
    if (card.exec() == QDialog::Accepted)
        refresh(card.savedKey());
    else
        refresh(key);
}

void TFormStokTanim::newRecord() { openCard({}); }

void TFormStokTanim::changeRecord(const QSqlRecord& row) { openCard(row.value(data().keyColumn())); }

bool TFormStokTanim::deleteRecord(const QSqlRecord& row)
{
    bool done = false;
    guard([&] { done = data().remove(row.value(data().keyColumn())); });
    return done;
}

} // namespace nimbo
