#pragma once
#include "widgets/ListWindow.h"

namespace nimbo {

// "Kasa Kayıtları": the cash desks, without the portfolio desk.
class TFormKasaBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormKasaBr(QWidget* parent = nullptr);

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;
};

} // namespace nimbo
