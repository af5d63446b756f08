#include "widgets/ListColumnChooser.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

ListColumnChooser::ListColumnChooser(const QList<ListColumn>& columns, const QList<int>& chosen, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ListColumnChooser"));
    setWindowTitle(QStringLiteral("Yazdırılacak Kolonlar"));
    auto* lay = new QVBoxLayout(this);
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("ListKOLONLAR"));
    for (int i = 0; i < columns.size(); ++i) {
        auto* item = new QListWidgetItem(columns.at(i).title, m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(chosen.contains(i) ? Qt::Checked : Qt::Unchecked);
    }
    lay->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Tamam"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Vazgeç"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    lay->addWidget(buttons);
}

QList<int> ListColumnChooser::chosen() const
{
    QList<int> out;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked)
            out << i;
    return out.size() == m_list->count() ? QList<int>() : out;
}

} // namespace nimbo
