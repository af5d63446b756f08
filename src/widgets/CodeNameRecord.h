#pragma once
#include "widgets/CardModel.h"
#include "widgets/CodeNameTable.h"

namespace nimbo {

// One row of a code/name table as a card model.
class CodeNameRecord : public CardModel {
public:
    explicit CodeNameRecord(const CodeNameTable& t) : m_t(t) {}
    QString table() const override { return m_t.definition().table; }
    void startNew(const QVariantMap& presets = {}) { reset(presets, true); }
    void open(const QVariant& key) { reset(m_t.load(key), false); }
    void save() override
    {
        m_key = m_t.save(values(), isNew());
        setValue(m_t.definition().codeColumn, m_key);
        setNew(false);
    }
    QVariant key() const { return m_key; }

private:
    const CodeNameTable& m_t;
    QVariant m_key;
};

} // namespace nimbo
