#pragma once
#include "model/CardModel.h"

#include <stdexcept>

namespace nimbo {

// The header values of a document. A document is saved as a whole by its DocumentModel,
// never through the header alone.
class DocumentHeader : public CardModel {
public:
    explicit DocumentHeader(const QString& table) : m_table(table) {}
    QString table() const override { return m_table; }
    void store() override { throw std::logic_error("a document header is saved with its document"); }

    void load(const QVariantMap& values, bool isNew) { reset(values, isNew); }
    void markSaved()
    {
        setNew(false);
        markClean();
    }

private:
    QString m_table;
};

} // namespace nimbo
