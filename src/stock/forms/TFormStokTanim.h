#pragma once
#include "stock/StockMasterData.h"
#include "widgets/ListWindow.h"

namespace nimbo {

// List of one stock master-data table (groups, brands, models, colours, units, VAT rates,
// vehicle types) with search by name, new, change and delete.
class TFormStokTanim : public ListWindow {
    Q_OBJECT
public:
    TFormStokTanim(StockMasterData::Kind kind, const QString& caption, QWidget* parent = nullptr);

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    void openCard(const QVariant& key);
    StockMasterData data() const { return StockMasterData(db(), m_kind); }
    StockMasterData::Kind m_kind;
};

} // namespace nimbo
