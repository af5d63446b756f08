#include "widgets/CodeNameWindow.h"
#include "widgets/CodeNameCard.h"
#include "services/SessionContext.h"

namespace nimbo {

CodeNameWindow::CodeNameWindow(const CodeNameSpec& def, QWidget* parent)
    : ListWindow(def.caption, parent), m_table(SessionContext::current().db(), def)
{
    setObjectName(def.className);
    QList<ListColumn> cols;
    if (!def.codeAuto)
        cols << ListColumn{def.codeColumn, def.codeCaption, 90};
    cols << ListColumn{def.nameColumn, def.nameCaption, 220};
    for (int i = 0; i < def.parents.size(); ++i)
        if (def.parents.at(i).stored)
            cols << ListColumn{QStringLiteral("P%1_ADI").arg(i), def.parents.at(i).caption, 200};
    setColumns(cols);
    setKeyField(def.codeColumn);
    addSearchField(def.nameCaption, def.nameColumn);
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

QVariant CodeNameWindow::pick(const CodeNameSpec& def, QWidget* parent, const QString& parentColumn,
                              const QVariant& parentValue)
{
    CodeNameWindow w(def, parent);
    w.setPickMode(true);
    if (!parentColumn.isEmpty())
        w.setParentFilter(parentColumn, parentValue);
    if (w.exec() != QDialog::Accepted)
        return {};
    return w.selectedRecord().value(def.codeColumn);
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
    CodeNameCard card(m_table, row.value(m_table.definition().codeColumn), {}, this);
    if (card.exec() == QDialog::Accepted)
        refresh(card.savedKey());
}

bool CodeNameWindow::deleteRecord(const QSqlRecord& row)
{
    bool removed = false;
    guard([&] { removed = m_table.remove(row.value(m_table.definition().codeColumn)); });
    return removed;
}

} // namespace nimbo
