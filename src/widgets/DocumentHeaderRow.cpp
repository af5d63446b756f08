#include "widgets/DocumentHeaderRow.h"
#include "widgets/DocumentWindow.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace nimbo {

QHBoxLayout* documentHeaderRow(DocumentWindow& w, const QString& title, const QString& numberColumn,
                               const QString& numberLabel, int numberWidth, const QString& dateColumn)
{
    auto* head = new QHBoxLayout;
    auto* tipLbl = new QLabel(QStringLiteral("<b>%1</b>").arg(title));
    tipLbl->setObjectName(QStringLiteral("LblTIP"));
    head->addWidget(tipLbl);
    head->addSpacing(12);
    auto* no = new QLineEdit;
    no->setObjectName(QStringLiteral("Edit") + numberColumn);
    no->setReadOnly(true);
    no->setMaximumWidth(numberWidth);
    w.bindHeader(no, numberColumn);
    auto* tarih = new QDateEdit;
    tarih->setObjectName(QStringLiteral("Edit") + dateColumn);
    w.bindHeader(tarih, dateColumn);
    head->addWidget(new QLabel(numberLabel));
    head->addWidget(no);
    head->addWidget(new QLabel(QStringLiteral("Tarih")));
    head->addWidget(tarih);
    return head;
}

} // namespace nimbo
