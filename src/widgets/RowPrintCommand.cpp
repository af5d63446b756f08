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
    list->commandLayout()->addWidget(m_button);
}

void RowPrintCommand::run(const QString& output) const
{
    const QSqlRecord row = m_list->currentRecord();
    if (!row.isEmpty())
        ErrorPresenter::run([&] { m_print(row, output); });
}

} // namespace nimbo
