#pragma once
#include <QDialog>

class QLineEdit;

namespace nimbo {

class AmountTable;

// The monthly view of an account: debit, credit and running balance per month, with
// quantities when the account has a unit.
class TFormHspAylik : public QDialog {
    Q_OBJECT
public:
    explicit TFormHspAylik(const QString& kod = {}, QWidget* parent = nullptr);
    AmountTable* tablo() const { return m_tablo; }
    void goster(const QString& kod);

private:
    QLineEdit* m_kod;
    AmountTable* m_tablo;
};

} // namespace nimbo
