#pragma once
#include "ledger/forms/AmountTable.h"
#include "printing/ReportFromModel.h"
#include "printing/ReportModel.h"

#include <QDialog>

class QHBoxLayout;
class QPushButton;

namespace nimbo {

class ReportMenuButton;
class TarihAraligi;

// The body the ledger's report windows share: their own selection fields, a date range,
// "Listele", the print button and an amount table. A window adds its fields to selection(),
// then calls finish() with its columns and lists itself through listele().
class LedgerReportDialog : public QDialog {
    Q_OBJECT
public:
    virtual void listele() = 0;
    AmountTable* tablo() const { return m_tablo; }
    TarihAraligi* aralik() const { return m_aralik; }

protected:
    // unit names the report for its page setup; title heads the printout.
    LedgerReportDialog(const QString& objectName, const QString& caption, const QString& unit, const QString& title,
                       QWidget* parent);
    QHBoxLayout* selection() const { return m_ust; }
    void finish(const QList<AmountTable::Column>& columns, const QSize& size);
    // How the table is printed: by default under the date range, without a grand total
    // (the table ends with its own totals row).
    virtual ReportOptions options() const;
    virtual void adjust(ReportModel& r) const {}
    QString rangeText() const;

private:
    QString m_title;
    QHBoxLayout* m_ust;
    TarihAraligi* m_aralik = nullptr;
    AmountTable* m_tablo;
    QString m_unit;
};

} // namespace nimbo
