#pragma once
#include "widgets/CardModel.h"
#include "widgets/CodeNameSpec.h"

namespace nimbo {

// The rules of a code/name table: list query, choices for its parent columns, save with
// the declared checks, delete after "Kayıt Silinsin mi?". Qt Core and Sql only.
class CodeNameTable {
public:
    CodeNameTable(const Db& db, const CodeNameSpec& def) : m_db(db), m_spec(def) {}
    const CodeNameSpec& definition() const { return m_spec; }

    // Rows with code, name and each stored parent's name (as P<i>_ADI), optionally only
    // names starting with nameSearch and only rows whose parent column equals a value.
    ListQuery listQuery(const QString& nameSearch, const QString& parentColumn = {},
                        const QVariant& parentValue = {}) const;
    // Key/name pairs of parent i, narrowed by the value chosen for parent i-1 when it narrows.
    QList<QPair<QVariant, QString>> choices(int parent, const QVariant& narrowValue = {}) const;
    // The value of an unstored parent (a main group) derived from the next stored one.
    QVariant derivedParentValue(int parent, const QVariantMap& values) const;

    QVariantMap load(const QVariant& key) const;
    // Checks in order (FieldError) and writes in one transaction; returns the key stored.
    QVariant save(const QVariantMap& values, bool isNew) const;
    // Asks "Kayıt Silinsin mi?"; true when the row was deleted.
    bool remove(const QVariant& key) const;

private:
    Db m_db;
    CodeNameSpec m_spec;
};

} // namespace nimbo
