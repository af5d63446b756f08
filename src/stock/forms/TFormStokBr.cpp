#include "stock/forms/TFormStokBr.h"
#include "stock/StockChoices.h"
#include "stock/StockItems.h"
#include "stock/StockListQuery.h"
#include "stock/StockRights.h"
#include "stock/forms/TFormStok.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSqlRecord>

namespace nimbo {

namespace {
QString durum(const QVariant& v) { return toText(v).trimmed() == QLatin1String("A") ? QStringLiteral("Aktif") : QStringLiteral("Pasif"); }

// The filter's pick lists are the card's lists, under the filter's names.
const QList<QPair<QString, QString>> kCardColumns = {
    {QStringLiteral("ANAGRUP"), QStringLiteral("ANAGRUPNO")}, {QStringLiteral("GRUP"), QStringLiteral("GRUPNO")},
    {QStringLiteral("ALTGRUP"), QStringLiteral("ALTGRUPNO")}, {QStringLiteral("MARKA"), QStringLiteral("FIRMANO")},
    {QStringLiteral("MODEL"), QStringLiteral("MODEL")},       {QStringLiteral("RENK"), QStringLiteral("RENK")}};
QString cardColumn(const QString& field)
{
    for (const auto& c : kCardColumns)
        if (c.first == field)
            return c.second;
    return {};
}
QString filterField(const QString& column)
{
    for (const auto& c : kCardColumns)
        if (c.second == column)
            return c.first;
    return {};
}
} // namespace

TFormStokBr::TFormStokBr(QWidget* parent) : ListWindow(QStringLiteral("Stok Kayıtları"), parent)
{
    setObjectName(QStringLiteral("TFormStokBr"));
    using K = ListColumn::Kind;
    setColumns({
        {QStringLiteral("STOK_KOD_NO"), QStringLiteral("Stok Kodu"), 110},
        {QStringLiteral("STOK_ADI_TR"), QStringLiteral("Stok Adı"), 240},
        {QStringLiteral("BARKOD"), QStringLiteral("Barkod"), 110, K::Text, {}, false, true},
        {QStringLiteral("ANAGRUP_ADI"), QStringLiteral("Ana Grup"), 100},
        {QStringLiteral("GRUP_ADI"), QStringLiteral("Grup"), 100},
        {QStringLiteral("ALTGRUP_ADI"), QStringLiteral("Alt Grup"), 90},
        {QStringLiteral("FIRMA_ADI"), QStringLiteral("Marka"), 90},
        {QStringLiteral("MODEL_ADI"), QStringLiteral("Model"), 80},
        {QStringLiteral("RENK_ADI"), QStringLiteral("Renk"), 70},
        {QStringLiteral("BIRIM1"), QStringLiteral("Birim"), 50},
        {QStringLiteral("KDV"), QStringLiteral("Kdv"), 45, K::Amount},
        {QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 45},
        {QStringLiteral("ALIS_FYT_TL"), QStringLiteral("Alış TL"), 80, K::Amount},
        {QStringLiteral("SAT_SKFYT_TL"), QStringLiteral("Perakende TL"), 85, K::Amount},
        {QStringLiteral("SAT_SKFYT_USD"), QStringLiteral("Perakende USD"), 85, K::Amount},
        {QStringLiteral("SAT_SKFYT_EUR"), QStringLiteral("Perakende EUR"), 85, K::Amount},
        {QStringLiteral("SAT_ABFYT_TL"), QStringLiteral("Toptan TL"), 80, K::Amount},
        {QStringLiteral("URET_STK_KOD"), QStringLiteral("Üretici Kodu"), 90, K::Text, {}, false, true},
        {QStringLiteral("STOK_ADI_ING"), QStringLiteral("Stok Adı (2)"), 120},
        {QStringLiteral("PASIF"), QStringLiteral("Durumu"), 55, K::Text, durum},
        {QStringLiteral("RANK"), QStringLiteral("Rank"), 40},
        {QStringLiteral("QTY"), QStringLiteral("Paket"), 50, K::Amount},
        {QStringLiteral("YENI_KOD"), QStringLiteral("Yeni Kod"), 80, K::Text, {}, false, true},
        {QStringLiteral("DEGISEN"), QStringLiteral("D"), 25},
        {QStringLiteral("STOK_NO"), QStringLiteral("Stok No"), 60, K::Integer},
    });
    setKeyField(QStringLiteral("STOK_NO"));
    setCommands(New | Change | Delete | Copy | Print | Export);
    setEditRight(QStringLiteral("STKART"));
    declareFilter();
    connect(this, &ListWindow::filterEdited, this, &TFormStokBr::narrow);
    resize(1250, 720);
    refresh();
}

FilterField::Choices TFormStokBr::choices(const QString& field) const
{
    // The value chosen in the field above narrows the list, as on the card.
    QVariantMap card;
    const QString column = cardColumn(field);
    const QString parent = StockChoices::narrowedBy(column);
    if (!parent.isEmpty())
        card.insert(parent, filterValue(filterField(parent)));
    FilterField::Choices out{{QString(), QVariant()}};
    guard([&] {
        for (const StockChoices::Choice& c : StockChoices::of(db(), column, card))
            out.append({c.second, c.first});
    });
    return out;
}

void TFormStokBr::declareFilter()
{
    using F = FilterField;
    F::Choices sira;
    for (const ListColumn& c : gridModel()->columns())
        sira.append({c.title, c.field});
    addFilterFields({
        {QStringLiteral("METIN"), QStringLiteral("Aranan"), F::Kind::Text, {}, 0,
         QStringLiteral("kod, ad, barkod, raf, açıklama...")},
        {QStringLiteral("KOD"), QStringLiteral("Stok Kodu"), F::Kind::Text, {}, 25},
        {QStringLiteral("KOD1"), QStringLiteral("Kod Aralığı"), F::Kind::Text, {}, 25},
        {QStringLiteral("KOD2"), QStringLiteral("... ile"), F::Kind::Text, {}, 25},
        {QStringLiteral("ANAGRUP"), QStringLiteral("Ana Grup"), F::Kind::Choice, choices(QStringLiteral("ANAGRUP"))},
        {QStringLiteral("GRUP"), QStringLiteral("Grup"), F::Kind::Choice, choices(QStringLiteral("GRUP"))},
        {QStringLiteral("ALTGRUP"), QStringLiteral("Alt Grup"), F::Kind::Choice, choices(QStringLiteral("ALTGRUP"))},
        {QStringLiteral("TEMSILCI"), QStringLiteral("Tedarikçi"), F::Kind::Text, {}, 15},
        {QStringLiteral("MARKA"), QStringLiteral("Marka"), F::Kind::Choice, choices(QStringLiteral("MARKA"))},
        {QStringLiteral("MODEL"), QStringLiteral("Model"), F::Kind::Choice, choices(QStringLiteral("MODEL"))},
        {QStringLiteral("RENK"), QStringLiteral("Renk"), F::Kind::Choice, choices(QStringLiteral("RENK"))},
        {QStringLiteral("PASIF"), QStringLiteral("Durumu"), F::Kind::Choice,
         {{QStringLiteral("Tümü"), QString()}, {QStringLiteral("Aktif"), QStringLiteral("A")},
          {QStringLiteral("Pasif"), QStringLiteral("P")}}},
        {QStringLiteral("NO1"), QStringLiteral("Stok No"), F::Kind::Number},
        {QStringLiteral("NO2"), QStringLiteral("... ile"), F::Kind::Number},
        {QStringLiteral("STOK"), QStringLiteral("Stok Durumu"), F::Kind::Choice,
         {{QStringLiteral("Tümü"), int(StockFilter::InStock::All)},
          {QStringLiteral("Stokta Olanlar"), int(StockFilter::InStock::InStock)},
          {QStringLiteral("Stokta Olmayanlar"), int(StockFilter::InStock::NotInStock)}}},
        {QStringLiteral("SIRALAMA"), QStringLiteral("Sıralama"), F::Kind::Choice, sira},
        {QStringLiteral("AZALAN"), QStringLiteral("Yön"), F::Kind::Choice,
         {{QStringLiteral("Artan"), 0}, {QStringLiteral("Azalan"), 1}}},
    });
}

// A click on a heading chooses the order in the filter, where the user sees it.
void TFormStokBr::sortByColumn(const QString& field, bool descending)
{
    auto* sira = qobject_cast<QComboBox*>(filterEditor(QStringLiteral("SIRALAMA")));
    auto* yon = qobject_cast<QComboBox*>(filterEditor(QStringLiteral("AZALAN")));
    const int i = sira->findData(field);
    if (i < 0)
        return;
    const QSignalBlocker b1(sira), b2(yon);
    sira->setCurrentIndex(i);
    yon->setCurrentIndex(descending ? 1 : 0);
    refresh();
}

// As on the card: a main group narrows the groups, a group the sub-groups, a brand the models.
void TFormStokBr::narrow(const QString& changed)
{
    // A main group narrows the groups (and so the sub-groups), a group the sub-groups, a brand the models.
    for (QString field = changed; !field.isEmpty();) {
        const QString next = filterField(StockChoices::narrows(cardColumn(field)));
        if (!next.isEmpty())
            setFilterChoices(next, choices(next));
        field = next;
    }
}

StockFilter TFormStokBr::filter() const
{
    StockFilter f;
    f.text = filterText(QStringLiteral("METIN"));
    f.kod = filterText(QStringLiteral("KOD"));
    f.kodFrom = filterText(QStringLiteral("KOD1"));
    f.kodTo = filterText(QStringLiteral("KOD2"));
    f.stokNoFrom = filterValue(QStringLiteral("NO1"));
    f.stokNoTo = filterValue(QStringLiteral("NO2"));
    f.temsilci = filterText(QStringLiteral("TEMSILCI"));
    f.pasif = filterText(QStringLiteral("PASIF"));
    f.firmaNo = filterValue(QStringLiteral("MARKA"));
    f.anaGrupNo = filterValue(QStringLiteral("ANAGRUP"));
    f.grupNo = filterValue(QStringLiteral("GRUP"));
    f.altGrupNo = filterValue(QStringLiteral("ALTGRUP"));
    f.renk = filterText(QStringLiteral("RENK"));
    f.model = filterText(QStringLiteral("MODEL"));
    f.stock = StockFilter::InStock(filterValue(QStringLiteral("STOK")).toInt());
    f.orderBy = filterText(QStringLiteral("SIRALAMA"));
    f.descending = filterValue(QStringLiteral("AZALAN")).toInt() == 1;
    return f;
}

ListQuery TFormStokBr::query() const { return StockListQuery::build(db().dialect(), filter()); }

void TFormStokBr::openCard(double stokNo)
{
    if (!StockRights::mayOpenCard())
        return;
    QVariant key = stokNo > 0 ? QVariant(stokNo) : QVariant();
    guard([&] {
        TFormStok card(stokNo, this);
        card.exec();
        if (card.stokNo() > 0)
            key = card.stokNo();
    });
    // A new item shows at once, wherever it sorts: the list seeks it.
    refresh(key);
}

void TFormStokBr::newRecord() { openCard(0); }

void TFormStokBr::changeRecord(const QSqlRecord& row) { openCard(row.value(QStringLiteral("STOK_NO")).toDouble()); }

bool TFormStokBr::deleteRecord(const QSqlRecord& row)
{
    return deleteGuarded([&] { return StockItems::remove(db(), row.value(QStringLiteral("STOK_NO")).toDouble()); });
}

void TFormStokBr::copyRecord(const QSqlRecord& row)
{
    double copy = 0;
    if (!guard([&] { copy = StockItems::copy(db(), row.value(QStringLiteral("STOK_NO")).toDouble()); }))
        return;
    openCard(copy);
}

} // namespace nimbo
