#pragma once
#include "stock/StockFilter.h"
#include "widgets/ListWindow.h"

namespace nimbo {

// "Stok Kayıtları": the stock list with its filter (it follows as you type); opens, creates,
// copies and deletes cards, view only without the STKART right "H".
class TFormStokBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormStokBr(QWidget* parent = nullptr);
    StockFilter filter() const;
    void sortByColumn(const QString& field, bool descending) override;

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;
    void copyRecord(const QSqlRecord& row) override;

private:
    void declareFilter();
    FilterField::Choices choices(const QString& field) const;
    void narrow(const QString& changed);
    void openCard(double stokNo);
};

} // namespace nimbo
