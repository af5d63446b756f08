#include "widgets/CodeNameWindow.h"
#include "services/SessionContext.h"
#include "widgets/CodeNameCard.h"

namespace nimbo {

namespace {
using Type = CodeNameField::Type;

// The fields as they read in a list: choices by the chosen row's name (P<i>_ADI).
QList<ListColumn> listColumns(const CodeNameDef& s)
{
    QList<ListColumn> cols;
    QList<ListColumn> names;
    for (int i = 0; i < s.fields.size(); ++i) {
        const CodeNameField& f = s.fields.at(i);
        if (f.type == Type::Choice) {
            if (f.stored)
                names << ListColumn{QStringLiteral("P%1_ADI").arg(i), f.caption, 180};
            continue;
        }
        ListColumn c{f.column, f.caption, f.column == s.keyColumn ? 90 : f.column == s.nameColumn ? 230 : 110};
        if (f.type == Type::Integer)
            c.kind = ListColumn::Kind::Integer;
        if (f.type == Type::Number)
            c.kind = ListColumn::Kind::Amount, c.width = 80;
        cols << c;
    }
    return cols + names;
}
} // namespace

CodeNameWindow::CodeNameWindow(const CodeNameDef& def, QWidget* parent)
    : ListWindow(def.caption, parent), m_table(SessionContext::current().db(), def)
{
    setObjectName(def.className);
    setColumns(listColumns(def));
    setKeyField(def.keyColumn);
    const CodeNameField* name = def.field(def.nameColumn);
    addSearchField(name ? name->caption : QStringLiteral("Adı"), def.nameColumn);
    setCommands(New | Change | Delete | Print | Export);
    setEditRight(def.right);
    resize(qMax(560, 140 + 120 * int(def.fields.size())), 480);
    refresh();
}

void CodeNameWindow::setParentFilter(const QString& column, const QVariant& value)
{
    m_parentColumn = column;
    m_parentValue = value;
    refresh();
}

QVariant CodeNameWindow::pick(const CodeNameDef& def, QWidget* parent, const QString& parentColumn,
                              const QVariant& parentValue)
{
    CodeNameWindow w(def, parent);
    w.setPickMode(true);
    if (!parentColumn.isEmpty())
        w.setParentFilter(parentColumn, parentValue);
    if (w.exec() != QDialog::Accepted)
        return {};
    return w.selectedRecord().value(def.keyColumn);
}

ListQuery CodeNameWindow::query() const { return m_table.listQuery(searchText(), m_parentColumn, m_parentValue); }

void CodeNameWindow::openCard(const QVariant& key)
{
    QVariantMap presets;
    if (!key.isValid() && !m_parentColumn.isEmpty())
        presets.insert(m_parentColumn, m_parentValue);
    CodeNameCard card(m_table, key, presets, this);
    if (card.exec() == QDialog::Accepted)
        refresh(card.savedKey());
}

void CodeNameWindow::newRecord() { openCard({}); }

void CodeNameWindow::changeRecord(const QSqlRecord& row) { openCard(row.value(m_table.definition().keyColumn)); }

bool CodeNameWindow::deleteRecord(const QSqlRecord& row)
{
    return deleteGuarded([&] { return m_table.remove(row.value(m_table.definition().keyColumn)); });
}

} // namespace nimbo
