#pragma once
#include "widgets/ListWindow.h"

class QLabel;

namespace nimbo {

// "Banka Kayıtları": the banks; below the grid the balances ("Banka Toplamları") of the
// current bank per account and currency, and of all banks.
class TFormBankaBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormBankaBr(QWidget* parent = nullptr);
    QString bakiyeMetni() const;

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;
    void currentChanged(const QSqlRecord& row) override;

private:
    QLabel* m_bakiye;
};

} // namespace nimbo
