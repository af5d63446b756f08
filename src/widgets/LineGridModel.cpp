#include "widgets/LineGridModel.h"
#include "services/MoneyFormat.h"
#include "model/DocumentModel.h"

#include <QLocale>

namespace nimbo {

LineGridModel::LineGridModel(DocumentModel& doc, const QString& lines, const QList<LineColumn>& columns,
                             QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc), m_lines(lines), m_columns(columns)
{
}

int LineGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_doc.lines(m_lines).count();
}

int LineGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

int LineGridModel::columnOf(const QString& field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field == field)
            return i;
    return -1;
}

QVariant LineGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const LineColumn& c = m_columns.at(index.column());
    const QVariant v = c.field.isEmpty() ? QVariant() : m_doc.lines(m_lines).value(index.row(), c.field);
    if (role == Qt::EditRole) {
        if (c.kind == LineColumn::Kind::Date)
            return toDate(v);
        // Numbers are edited as text in the Turkish form (no spin box limits on rates).
        if (c.kind == LineColumn::Kind::Number) {
            QLocale tr(QLocale::Turkish);
            tr.setNumberOptions(QLocale::OmitGroupSeparator);
            return v.isNull() ? QString() : tr.toString(v.toDouble(), 'g', 15);
        }
        return v;
    }
    if (role == Qt::TextAlignmentRole && (c.kind == LineColumn::Kind::Number || c.kind == LineColumn::Kind::Integer))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (c.display)
        return c.display(index.row());
    switch (c.kind) {
    case LineColumn::Kind::Number:
        return v.isNull() ? QString() : MoneyFormat::formatNumber(v.toDouble(), c.decimals);
    case LineColumn::Kind::Date: {
        const QDate d = toDate(v);
        return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    }
    case LineColumn::Kind::Choice:
        for (const PickItem& p : c.choices)
            if (p.value.toString() == v.toString())
                return p.text;
        return v;
    default:
        return toText(v).trimmed();
    }
}

bool LineGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const LineColumn& c = m_columns.at(index.column());
    if (c.field.isEmpty())
        return false;
    QVariant v = value;
    if (c.kind == LineColumn::Kind::Number && value.typeId() == QMetaType::QString) {
        const QString t = value.toString().trimmed();
        bool ok = false;
        double d = QLocale(QLocale::Turkish).toDouble(t, &ok);
        if (!ok)
            d = t.toDouble(&ok); // "12.5" typed with a point
        v = ok ? d : 0.0;
    }
    if (c.kind == LineColumn::Kind::Integer)
        v = value.toInt();
    m_doc.setLine(m_lines, index.row(), c.field, v);
    Q_EMIT dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
    Q_EMIT edited();
    return true;
}

QVariant LineGridModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (o == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

Qt::ItemFlags LineGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const LineColumn& c = m_columns.at(index.column());
    if (!c.readOnly && !c.field.isEmpty())
        f |= Qt::ItemIsEditable;
    return f;
}

void LineGridModel::reload()
{
    beginResetModel();
    endResetModel();
}

void LineGridModel::setColumnReadOnly(const QString& field, bool readOnly)
{
    const int c = columnOf(field);
    if (c >= 0)
        m_columns[c].readOnly = readOnly;
}

} // namespace nimbo
