#include "stock/StockChoices.h"
#include "services/TurkishCollation.h"

#include <QSqlRecord>

namespace nimbo {

namespace {
struct ListDef {
    const char* column;
    const char* select;  // key, name
    const char* parent;  // card column that narrows it
    const char* filter;  // its clause, on :N
};

const ListDef kLists[] = {
    {"ANAGRUPNO", "SELECT GRUP_KODU, GRUP_ADI FROM ANAGRUP", nullptr, nullptr},
    {"GRUPNO", "SELECT GRUP_KODU, GRUP_ADI FROM GRUP", "ANAGRUPNO", "ANA_GRUP_KODU = :N"},
    {"ALTGRUPNO", "SELECT GRUP_KODU, GRUP_ADI FROM ALTGRUP", "GRUPNO", "ALT_GRUP_KODU = :N"},
    {"FIRMANO", "SELECT FIRMANO, FIRMA_ADI FROM FIRMA", nullptr, nullptr},
    {"MODEL", "SELECT MODEL_KOD, MODEL_ADI FROM STKMODEL", "FIRMANO", "MARKA_NO = :N"},
    {"RENK", "SELECT RENK_KOD, RENK_ADI FROM RENKLER", nullptr, nullptr},
    {"DOVIZ_KODU", "SELECT DOVIZ_KODU, DOVIZ_KODU FROM DOVIZ", nullptr, nullptr},
    {"KDV", "SELECT KDV, ACIKLAMA FROM KDVLER", nullptr, nullptr},
    {"BIRIM", "SELECT BIRIM_ADI, BIRIM_ADI FROM BIRIM", nullptr, nullptr},
    {"DEPO_KODU", "SELECT DEPO_KODU, DEPO_ADI FROM DEPO", nullptr, nullptr},
};

const ListDef* find(const QString& column)
{
    // Every unit column (BIRIM1..3, AL_BIRIM, SAT_BIRIM) offers the unit list.
    const bool unit = column.startsWith(QLatin1String("BIRIM")) || column.endsWith(QLatin1String("_BIRIM"));
    for (const ListDef& d : kLists)
        if (column == QLatin1String(d.column) || (unit && qstrcmp(d.column, "BIRIM") == 0))
            return &d;
    return nullptr;
}
} // namespace

QString StockChoices::narrowedBy(const QString& column)
{
    const ListDef* d = find(column);
    return d && d->parent ? QLatin1String(d->parent) : QString();
}

QString StockChoices::narrows(const QString& column)
{
    for (const ListDef& d : kLists)
        if (d.parent && column == QLatin1String(d.parent))
            return QLatin1String(d.column);
    return {};
}

QList<StockChoices::Choice> StockChoices::of(const Db& db, const QString& column, const QVariantMap& card)
{
    const ListDef* d = find(column);
    if (!d)
        return {};
    QString sql = QLatin1String(d->select);
    Params p;
    if (d->parent) {
        const QVariant v = card.value(QLatin1String(d->parent));
        if (!v.isNull() && !toText(v).trimmed().isEmpty()) {
            sql += QStringLiteral(" WHERE ") + QLatin1String(d->filter);
            p.insert(QStringLiteral("N"), v);
        }
    }
    const bool vat = column == QLatin1String("KDV");
    QList<Choice> out;
    for (const QSqlRecord& r : db.records(sql, p))
        out.append({vat ? QVariant(r.value(0).toDouble()) : r.value(0), toText(r.value(1)).trimmed()});
    TurkishCollation::sort(out, [](const Choice& c) -> const QString& { return c.second; });
    return out;
}

} // namespace nimbo
