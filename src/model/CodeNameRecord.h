#pragma once
#include "model/CardModel.h"
#include "model/CodeNameTable.h"

namespace nimbo {

// One row of a code/name table as a card model: new (with its number and presets) or
// opened by key.
class CodeNameRecord : public CardModel {
public:
    explicit CodeNameRecord(const CodeNameTable& t) : m_t(t) {}
    QString table() const override { return m_t.definition().table; }
    EditRight right() const override { return m_t.definition().right; }
    const CodeNameTable& codeNameTable() const { return m_t; }

    void startNew(const QVariantMap& presets = {})
    {
        reset(m_t.newValues(presets), true);
        m_key = {};
    }
    // False when the row is gone.
    bool open(const QVariant& key)
    {
        const QVariantMap row = m_t.load(key);
        reset(row, false);
        m_key = key;
        return !row.isEmpty();
    }
    QVariant key() const { return m_key; }

protected:
    void store() override
    {
        m_key = m_t.save(values(), isNew(), loaded());
        setValue(m_t.definition().keyColumn, m_key);
    }

private:
    const CodeNameTable& m_t;
    QVariant m_key;
};

} // namespace nimbo
