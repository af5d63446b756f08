#include "widgets/CodeNameWindow.h"
#include "widgets/CodeNameCard.h"
#include "services/SessionContext.h"

namespace nimbo {

CodeNameWindow::CodeNameWindow(const CodeNameSpec& spec, QWidget* parent)
    : ListWindow(spec.caption, parent), m_table(SessionContext::current().db(), spec)
{
    setObjectName(spec.className);
    QList<ListColumn> cols;
    if (!spec.codeAuto)
        cols << ListColumn{spec.codeColumn, spec.codeCaption, 90};
    cols << ListColumn{spec.nameColumn, spec.nameCaption, 220};
    for (int i = 0; i < spec.parents.size(); ++i)
        if (spec.parents.at(i).stored)
            cols << ListColumn{QStringLiteral("P%1_ADI").arg(i), spec.parents.at(i).caption, 200};
    setColumns(cols);
    setKeyField(spec.codeColumn);
    addSearchField(spec.nameCaption, spec.nameColumn);
    setCommands(New | Change | Delete | Print | Export);
    resize(640, 480);
    refresh();
}

void CodeNameWindow::setParentFilter(const QString& column, const QVariant& value)
{
    m_parentColumn = column;
    m_parentValue = value;
    refresh();
}

QVariant CodeNameWindow::pick(const CodeNameSpec& spec, QWidget* parent, const QString& parentColumn,
                              const QVariant& parentValue)
{
    CodeNameWindow w(spec, parent);
    w.setPickMode(true);
    if (!parentColumn.isEmpty())
        w.setParentFilter(parentColumn, parentValue);
    if (w.exec() != QDialog::Accepted)
        return {};
    return w.selectedRecord().value(spec.codeColumn);
}

ListQuery CodeNameWindow::query() const { return m_table.listQuery(searchText(), m_parentColumn, m_parentValue); }

void CodeNameWindow::newRecord()
{
    QVariantMap presets;
    if (!m_parentColumn.isEmpty())
        presets.insert(m_parentColumn, m_parentValue);
    CodeNameCard card(m_table, {}, presets, this);
    if (card.exec() == QDialog::Accepted)
        refresh(card.savedKey());
}

void CodeNameWindow::changeRecord(const QSqlRecord& row)
{
    CodeNameCard card(m_table, row.value(m_table.spec().codeColumn), {}, this);
    if (card.exec() == QDialog::Accepted)
        refresh(card.savedKey());
}

bool CodeNameWindow::deleteRecord(const QSqlRecord& row)
{
    bool removed = false;
    guard([&] { removed = m_table.remove(row.value(m_table.spec().codeColumn)); });
    return removed;
}

} // namespace nimbo
