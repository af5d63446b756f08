#include "printing/ReportModel.h"
#include "services/MoneyFormat.h"

#include <QDate>
#include <QDateTime>
#include <cmath>

namespace nimbo {

bool ReportModel::hasTotals() const
{
    for (const ReportColumn& c : columns)
        if (c.visible && c.total)
            return true;
    return false;
}

QList<int> ReportModel::visibleColumns() const
{
    QList<int> out;
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].visible)
            out << i;
    return out;
}

QString ReportModel::valueText(int column, const QVariant& v) const
{
    if (!v.isValid() || v.isNull())
        return {};
    const ReportColumn& c = columns[column];
    switch (c.kind) {
    case ColumnKind::Amount:
        return formatAmount(parseAmount(v), c.decimals);
    case ColumnKind::Number: {
        // Whole numbers (line and document numbers) as they are; a fraction (a quantity of
        // 98.5) with the Turkish decimal comma, without trailing zeros.
        bool numeric = false;
        const double d = v.toDouble(&numeric);
        if (!numeric || d == std::trunc(d))
            return v.toString();
        QString t = MoneyFormat::formatNumber(d, 6, false);
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        return t;
    }
    case ColumnKind::Date: {
        const QDate d = v.typeId() == QMetaType::QDateTime ? v.toDateTime().date() : v.toDate();
        if (d.isValid())
            return d.toString(QStringLiteral("dd.MM.yyyy"));
        const QDateTime dt = QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
        return dt.isValid() ? dt.date().toString(QStringLiteral("dd.MM.yyyy")) : v.toString();
    }
    case ColumnKind::Text:
        break;
    }
    return v.toString().trimmed();
}

QString ReportModel::cellText(int row, int column) const
{
    const QVariantList& r = rows[row];
    return column < r.size() ? valueText(column, r[column]) : QString();
}

double ReportModel::number(int row, int column) const
{
    const QVariantList& r = rows[row];
    return column < r.size() ? parseAmount(r[column]) : 0.0;
}

QString ReportModel::groupTotalLabel(const QString& group) const
{
    return groupTotalCaption.isEmpty() ? group + QStringLiteral(" Toplamı") : groupTotalCaption;
}

QString ReportModel::groupKey(int row) const
{
    return groupColumn >= 0 ? cellText(row, groupColumn) : QString();
}

void ReportModel::addRow(const QVariantList& values, QVector<double>& sums) const
{
    for (int c = 0; c < columns.size() && c < values.size(); ++c)
        if (columns[c].total)
            sums[c] += parseAmount(values[c]);
}

QString ReportModel::formatAmount(double v, int decimals) { return MoneyFormat::formatNumber(v, decimals); }

double ReportModel::parseAmount(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return 0.0;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return v.toDouble();
    default:
        break;
    }
    QString s = v.toString().trimmed();
    s.remove(QLatin1Char(' '));
    if (s.contains(QLatin1Char(','))) { // Turkish: dots group thousands, the comma is decimal
        s.remove(QLatin1Char('.'));
        s.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    bool ok = false;
    const double d = s.toDouble(&ok);
    return ok ? d : 0.0;
}

QString ReportModel::grandTotalText() const
{
    return grandTotalLabel.isEmpty() ? QStringLiteral("Genel Toplam") : grandTotalLabel;
}

} // namespace nimbo
