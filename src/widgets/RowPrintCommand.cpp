#include "widgets/RowPrintCommand.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/ListWindow.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace nimbo {

RowPrintCommand::RowPrintCommand(ListWindow* list, const QString& caption, const QString& objectName, Print print)
    : QObject(list), m_list(list), m_print(std::move(print)), m_button(new QPushButton(caption))
{
    m_button->setObjectName(objectName);
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, [this] { run(); });
    // With the list's own commands, before the space that keeps "Kapat" to the right.
    QHBoxLayout* row = list->commandLayout();
    int at = row->count();
    for (int i = 0; i < row->count(); ++i)
        if (row->itemAt(i)->spacerItem()) {
            at = i;
            break;
        }
    row->insertWidget(at, m_button);
}

void RowPrintCommand::run(const QString& output) const
{
    const QSqlRecord row = m_list->currentRecord();
    if (!row.isEmpty())
        ErrorPresenter::run([&] { m_print(row, output); });
}

} // namespace nimbo
