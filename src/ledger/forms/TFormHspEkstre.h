#pragma once
#include "ledger/forms/LedgerReportDialog.h"

class QLineEdit;
class QLabel;

namespace nimbo {

// "Hesap Ekstresi": one account's lines over a date range with the balance brought
// forward and the running balance.
class TFormHspEkstre : public LedgerReportDialog {
    Q_OBJECT
public:
    explicit TFormHspEkstre(const QString& kod = {}, QWidget* parent = nullptr);
    void listele() override;
    QLineEdit* kodEdit() const { return m_kod; }

protected:
    ReportOptions options() const override;

private:
    QLineEdit* m_kod;
    QLabel* m_ad;
};

} // namespace nimbo
