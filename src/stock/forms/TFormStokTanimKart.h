#pragma once
#include "stock/StockMasterRecord.h"
#include "widgets/CardWindow.h"

class QComboBox;

namespace nimbo {

// The card of one master-data row; parent choices narrow each other (main group -> group).
class TFormStokTanimKart : public CardWindow {
    Q_OBJECT
public:
    TFormStokTanimKart(const StockMasterData& data, const QVariant& key, const QString& caption,
                       QWidget* parent = nullptr);
    QVariant savedKey() const { return m_record.key(); }

private:
    void fillChoices(const QString& column);

    StockMasterRecord m_record;
    QHash<QString, QComboBox*> m_choices;
};

} // namespace nimbo
