#pragma once
#include "widgets/ListWindow.h"

namespace nimbo {

// "ÇEK SENET BORDROLARI": the older cheque/note bordereaux, listed and deleted.
class TFormCSBordroBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormCSBordroBr(QWidget* parent = nullptr);

protected:
    ListQuery query() const override;
    bool deleteRecord(const QSqlRecord& row) override;
};

} // namespace nimbo
