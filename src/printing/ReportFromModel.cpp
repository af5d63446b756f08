#include "printing/ReportFromModel.h"
#include "services/MoneyFormat.h"
#include "services/SessionContext.h"

#include <QAbstractItemModel>
#include <QDate>

namespace nimbo {

namespace {

ColumnKind kindOf(const QAbstractItemModel* model, int col, bool* allFloat)
{
    bool anyValue = false, floats = true, ints = true, dates = true;
    const int n = model->rowCount();
    for (int r = 0; r < n; ++r) {
        const QVariant v = model->data(model->index(r, col), Qt::EditRole);
        if (!v.isValid() || v.isNull())
            continue;
        anyValue = true;
        const int t = v.typeId();
        floats = floats && (t == QMetaType::Double || t == QMetaType::Float);
        ints = ints && (t == QMetaType::Int || t == QMetaType::LongLong || t == QMetaType::UInt ||
                        t == QMetaType::ULongLong);
        dates = dates && (t == QMetaType::QDate || t == QMetaType::QDateTime);
    }
    *allFloat = anyValue && floats;
    if (!anyValue)
        return ColumnKind::Text;
    if (floats)
        return ColumnKind::Amount;
    if (ints)
        return ColumnKind::Number;
    if (dates)
        return ColumnKind::Date;
    return ColumnKind::Text;
}

} // namespace

ReportModel reportFromModel(const QAbstractItemModel* model, const QString& title, const ReportOptions& o)
{
    ReportModel rep;
    rep.title = title;
    rep.headings = o.headings;
    rep.signatures = o.signatures;
    rep.headerLeft = o.headerLeft.isEmpty() ? SessionContext::current().FirmaAdi : o.headerLeft;
    rep.headerRight = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    if (!model)
        return rep;
    QList<int> source = o.columns;
    if (source.isEmpty())
        for (int c = 0; c < model->columnCount(); ++c)
            source << c;
    for (int c : source) {
        ReportColumn col;
        col.key = model->headerData(c, Qt::Horizontal, Qt::UserRole).toString();
        col.title = model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        if (col.key.isEmpty())
            col.key = col.title.isEmpty() ? QString::number(c) : col.title;
        bool allFloat = false;
        col.kind = kindOf(model, c, &allFloat);
        if (o.amountColumns.contains(c) || o.totalColumns.contains(c))
            col.kind = ColumnKind::Amount;
        col.total = o.totalColumns.isEmpty() ? allFloat : o.totalColumns.contains(c);
        col.decimals = MoneyFormat::current().decimals();
        rep.columns << col;
        if (c == o.groupColumn)
            rep.groupColumn = rep.columns.size() - 1;
    }
    for (int r = 0; r < model->rowCount(); ++r) {
        QVariantList row;
        for (int i = 0; i < source.size(); ++i) {
            const QModelIndex idx = model->index(r, source[i]);
            const ColumnKind k = rep.columns[i].kind;
            row << (k == ColumnKind::Text ? model->data(idx, Qt::DisplayRole) : model->data(idx, Qt::EditRole));
        }
        rep.rows << row;
    }
    // Widths follow the longest text, about 1.9 mm a character at 9 points.
    for (int i = 0; i < rep.columns.size(); ++i) {
        int chars = rep.columns[i].title.size();
        for (int r = 0; r < rep.rows.size() && r < 500; ++r)
            chars = qMax(chars, int(rep.cellText(r, i).size()));
        rep.columns[i].widthMm = qBound(12.0, chars * 1.9 + 3, 90.0);
    }
    return rep;
}

} // namespace nimbo
