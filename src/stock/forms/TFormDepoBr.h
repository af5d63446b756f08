#pragma once
#include "widgets/ListWindow.h"

namespace nimbo {

// The warehouse list ("Depo Tanımları") with new, change and delete.
class TFormDepoBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormDepoBr(QWidget* parent = nullptr);

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    void openCard(int depoKodu);
};

} // namespace nimbo
