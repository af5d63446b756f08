#pragma once
#include "ledger/forms/LedgerReportDialog.h"

class QComboBox;

namespace nimbo {

// "Mizan": the trial balance of one level over a date range with opening, period,
// closing and balance columns and the totals, which are equal on both sides.
class TFormMizan : public LedgerReportDialog {
    Q_OBJECT
public:
    explicit TFormMizan(QWidget* parent = nullptr);
    void listele() override;
    QComboBox* duzeyKutusu() const { return m_duzey; }

protected:
    ReportOptions options() const override;
    void adjust(ReportModel& r) const override;

private:
    QComboBox* m_duzey;
};

} // namespace nimbo
