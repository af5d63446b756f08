#include "printing/PageSetupStore.h"
#include "db/DbTransaction.h"
#include "printing/PaperSizes.h"

namespace nimbo {

namespace {
PageSetupRow fromRecord(const QSqlRecord& r)
{
    PageSetupRow row;
    row.PASADI = toText(r.value(QStringLiteral("PASADI")));
    row.QUIKAD = toText(r.value(QStringLiteral("QUIKAD")));
    row.FONTSIZE = r.value(QStringLiteral("FONTSIZE")).toInt();
    row.FONTADI = toText(r.value(QStringLiteral("FONTADI")));
    row.FONTRENK = toText(r.value(QStringLiteral("FONTRENK")));
    row.SAYFAGEN = r.value(QStringLiteral("SAYFAGEN")).toInt();
    row.SAYFAYUK = r.value(QStringLiteral("SAYFAYUK")).toInt();
    row.SAYFAISIM = toText(r.value(QStringLiteral("SAYFAISIM")));
    row.PRBICIMI = toText(r.value(QStringLiteral("PRBICIMI")));
    for (int i = 0; i < 5; ++i)
        row.SEC[i] = r.value(QStringLiteral("SEC%1").arg(i + 1)).toInt();
    row.TARIHBAS = toDateTime(r.value(QStringLiteral("TARIHBAS")));
    row.TARIHSON = toDateTime(r.value(QStringLiteral("TARIHSON")));
    row.KODBAS = toText(r.value(QStringLiteral("KODBAS")));
    row.KODSON = toText(r.value(QStringLiteral("KODSON")));
    row.SAG = r.value(QStringLiteral("SAG")).toInt();
    row.SOL = r.value(QStringLiteral("SOL")).toInt();
    row.UST = r.value(QStringLiteral("UST")).toInt();
    row.ALT = r.value(QStringLiteral("ALT")).toInt();
    return row;
}

Params paramsOf(const PageSetupRow& row)
{
    auto nullIfEmpty = [](const QString& s) { return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s); };
    auto dt = [](const QDateTime& d) { return d.isValid() ? QVariant(d) : QVariant(QMetaType(QMetaType::QDateTime)); };
    Params p{{"PASADI", row.PASADI},
             {"QUIKAD", row.QUIKAD},
             {"FONTSIZE", row.FONTSIZE},
             {"FONTADI", nullIfEmpty(row.FONTADI)},
             {"FONTRENK", nullIfEmpty(row.FONTRENK)},
             {"SAYFAGEN", row.SAYFAGEN},
             {"SAYFAYUK", row.SAYFAYUK},
             {"SAYFAISIM", row.SAYFAISIM},
             {"PRBICIMI", row.PRBICIMI},
             {"TARIHBAS", dt(row.TARIHBAS)},
             {"TARIHSON", dt(row.TARIHSON)},
             {"KODBAS", nullIfEmpty(row.KODBAS)},
             {"KODSON", nullIfEmpty(row.KODSON)},
             {"SAG", row.SAG},
             {"SOL", row.SOL},
             {"UST", row.UST},
             {"ALT", row.ALT}};
    for (int i = 0; i < 5; ++i)
        p.insert(QStringLiteral("SEC%1").arg(i + 1), row.SEC[i]);
    return p;
}

const QString kColumns = QStringLiteral("PASADI, QUIKAD, FONTSIZE, FONTADI, FONTRENK, SAYFAGEN, SAYFAYUK, SAYFAISIM, "
                                        "PRBICIMI, SEC1, SEC2, SEC3, SEC4, SEC5, TARIHBAS, TARIHSON, KODBAS, KODSON, "
                                        "SAG, SOL, UST, ALT");

void insertRow(const Db& db, const PageSetupRow& row)
{
    QStringList names = kColumns.split(QStringLiteral(", "));
    for (QString& n : names)
        n.prepend(QLatin1Char(':'));
    db.exec(QStringLiteral("INSERT INTO MSAYFA (%1) VALUES (%2)").arg(kColumns, names.join(QStringLiteral(", "))),
            paramsOf(row));
}
} // namespace

QList<PageSetupRow> PageSetupStore::all() const
{
    QList<PageSetupRow> out;
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT * FROM MSAYFA ORDER BY PASADI, QUIKAD")))
        out << fromRecord(r);
    return out;
}

std::optional<PageSetupRow> PageSetupStore::find(const QString& pasadi, const QString& quikad) const
{
    const auto recs = m_db.records(QStringLiteral("SELECT * FROM MSAYFA WHERE (PASADI=:pasad) AND (QUIKAD=:qadi)"),
                                   {{"pasad", pasadi}, {"qadi", quikad}});
    if (recs.isEmpty())
        return std::nullopt;
    return fromRecord(recs.first());
}

PageSetupRow PageSetupStore::ensure(const QString& pasadi, const QString& quikad, const QString& defaultOrientation,
                                    const QMargins& defaultMarginsMm) const
{
    if (auto row = find(pasadi, quikad))
        return *row;
    PageSetupRow row;
    row.PASADI = pasadi;
    row.QUIKAD = quikad;
    row.SAYFAISIM = PaperSizes::a4Name();
    row.SAYFAGEN = 210;
    row.SAYFAYUK = 297;
    row.PRBICIMI = defaultOrientation == QLatin1String("Y") ? QStringLiteral("Y") : QStringLiteral("D");
    row.SOL = defaultMarginsMm.left();
    row.UST = defaultMarginsMm.top();
    row.SAG = defaultMarginsMm.right();
    row.ALT = defaultMarginsMm.bottom();
    DbTransaction tx(m_db);
    insertRow(m_db, row);
    tx.commit();
    return row;
}

void PageSetupStore::save(const PageSetupRow& row) const
{
    DbTransaction tx(m_db);
    QStringList sets;
    for (const QString& c : kColumns.split(QStringLiteral(", ")))
        if (c != QLatin1String("PASADI") && c != QLatin1String("QUIKAD"))
            sets << QStringLiteral("%1 = :%1").arg(c);
    const int n = m_db.exec(QStringLiteral("UPDATE MSAYFA SET %1 WHERE PASADI = :PASADI AND QUIKAD = :QUIKAD")
                                .arg(sets.join(QStringLiteral(", "))),
                            paramsOf(row))
                      .numRowsAffected();
    if (n == 0)
        insertRow(m_db, row);
    tx.commit();
}

} // namespace nimbo
