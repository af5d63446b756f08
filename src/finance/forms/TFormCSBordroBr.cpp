#include "finance/forms/TFormCSBordroBr.h"
#include "finance/CekSenetBordro.h"

namespace nimbo {

TFormCSBordroBr::TFormCSBordroBr(QWidget* parent) : ListWindow(QStringLiteral("ÇEK SENET BORDROLARI"), parent)
{
    setObjectName(QStringLiteral("TFormCSBordroBr"));
    resize(860, 460);
    ListColumn tur{QStringLiteral("B_TUR"), QStringLiteral("Bordro Türü"), 180};
    tur.display = [](const QVariant& v) { return CekSenetBordro::turAdi(toText(v).trimmed()); };
    setColumns({{QStringLiteral("BORDRONO"), QStringLiteral("Bordro No"), 70, ListColumn::Kind::Integer},
                tur,
                {QStringLiteral("BORDROTRH"), QStringLiteral("Tarih"), 80, ListColumn::Kind::Date},
                {QStringLiteral("B_CARIKOD"), QStringLiteral("Cari Kodu"), 90},
                {QStringLiteral("FIRMA_ADI"), QStringLiteral("Cari Adı"), 160},
                {QStringLiteral("ORTVADE"), QStringLiteral("Ort.Vade"), 80, ListColumn::Kind::Date},
                {QStringLiteral("TUTAR_T"), QStringLiteral("Tutar"), 100, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("FIS_NO"), QStringLiteral("Fiş No"), 70, ListColumn::Kind::Integer}});
    setKeyField(QStringLiteral("BORDRONO"));
    setCommands(Delete | Print | Export);
    refresh();
}

ListQuery TFormCSBordroBr::query() const { return CekSenetBordro::sorgu(); }

bool TFormCSBordroBr::deleteRecord(const QSqlRecord& row)
{
    return deleteGuarded([&] { return CekSenetBordro::sil(db(), row.value(QStringLiteral("BORDRONO")).toDouble()); });
}

} // namespace nimbo
