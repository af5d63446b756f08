#pragma once
#include "widgets/ListWindow.h"

class QComboBox;

namespace nimbo {

class TarihAraligi;

// "Muhasebe Fişleri": the vouchers of a date range; new, correct, delete and print.
class TFormFisBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormFisBr(QWidget* parent = nullptr);
    TarihAraligi* aralik() const { return m_aralik; }

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    TarihAraligi* m_aralik;
    QComboBox* m_tur;
};

} // namespace nimbo
