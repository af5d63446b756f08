#include "ledger/forms/LedgerReportDialog.h"
#include "ledger/forms/TarihAraligi.h"
#include "printing/forms/ReportMenuButton.h"
#include "printing/forms/ReportOutput.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

LedgerReportDialog::LedgerReportDialog(const QString& objectName, const QString& caption, const QString& unit,
                                       const QString& title, QWidget* parent)
    : QDialog(parent), m_title(title), m_ust(new QHBoxLayout), m_tablo(new AmountTable), m_unit(unit)
{
    setObjectName(objectName);
    setWindowTitle(caption);
}

void LedgerReportDialog::finish(const QList<AmountTable::Column>& columns, const QSize& size)
{
    auto* lay = new QVBoxLayout(this);
    m_aralik = new TarihAraligi;
    m_ust->addWidget(m_aralik);
    auto* listeleBtn = new QPushButton(QStringLiteral("Listele"));
    listeleBtn->setObjectName(QStringLiteral("BtnLISTELE"));
    m_ust->addWidget(listeleBtn);
    auto* yazdir = new ReportMenuButton(
        m_unit,
        [this] {
            ReportModel r = ReportOutput::fromView(m_tablo, m_title, options());
            r.grandTotal = false;
            adjust(r);
            return r;
        },
        this);
    yazdir->setObjectName(QStringLiteral("BtnYAZDIR"));
    m_ust->addWidget(yazdir);
    m_ust->addStretch();
    lay->addLayout(m_ust);
    lay->addWidget(m_tablo);
    m_tablo->setColumns(columns);
    connect(listeleBtn, &QPushButton::clicked, this, &LedgerReportDialog::listele);
    resize(size);
}

ReportOptions LedgerReportDialog::options() const
{
    ReportOptions o;
    o.headings << rangeText();
    return o;
}

QString LedgerReportDialog::rangeText() const
{
    return m_aralik->bas().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" - ")
           + m_aralik->bit().toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace nimbo
