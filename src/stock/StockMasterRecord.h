#pragma once
#include "stock/StockMasterData.h"

namespace nimbo {

// One master-data row as a card: new (with its number) or opened by key.
class StockMasterRecord : public CardModel {
public:
    explicit StockMasterRecord(const StockMasterData& data) : m_data(data) {}
    QString table() const override { return m_data.table(); }
    void startNew(const QVariantMap& presets = {})
    {
        QVariantMap v = m_data.newValues();
        for (auto it = presets.cbegin(); it != presets.cend(); ++it)
            v.insert(it.key(), it.value());
        reset(v, true);
        m_oldKey = {};
    }
    void open(const QVariant& key)
    {
        reset(m_data.load(key), false);
        m_oldKey = key;
    }
    void save() override
    {
        m_oldKey = m_data.save(values(), isNew(), m_oldKey);
        setValue(m_data.keyColumn(), m_oldKey);
        setNew(false);
        markClean();
    }
    QVariant key() const { return m_oldKey; }
    const StockMasterData& data() const { return m_data; }

private:
    StockMasterData m_data;
    QVariant m_oldKey;
};

} // namespace nimbo
