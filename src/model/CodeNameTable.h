#pragma once
#include "model/CardModel.h"
#include "model/CodeNameDef.h"

namespace nimbo {

// The rules of a code/name table: list query, choices of its Choice fields, new rows with
// their number, save with the declared checks, delete after "Kayıt Silinsin mi?" unless
// the row is in use. Qt Core and Sql only.
class CodeNameTable {
public:
    CodeNameTable(const Db& db, const CodeNameDef& def) : m_db(db), m_def(def) {}
    const CodeNameDef& definition() const { return m_def; }

    // The rows with every column and, per stored Choice field i, the chosen row's name as
    // P<i>_ADI; optionally only names starting with nameSearch (any case) and only rows
    // whose column equals a value (a picker narrowed by the card that opened it).
    ListQuery listQuery(const QString& nameSearch, const QString& filterColumn = {},
                        const QVariant& filterValue = {}) const;
    // Key/name pairs of a Choice field, narrowed by the value of the Choice field before it.
    QList<QPair<QVariant, QString>> choices(const QString& column, const QVariant& narrowValue = {}) const;

    // A new row's values: the presets and, for numbered keys, the next unused number.
    QVariantMap newValues(const QVariantMap& presets = {}) const;
    // The row (empty when gone), with the unstored choices derived from the stored ones.
    QVariantMap load(const QVariant& key) const;
    // Checks in order (FieldError), then one transaction writing what changed against
    // loaded (the row as opened; empty for a new row). Returns the key stored.
    QVariant save(const QVariantMap& values, bool isNew, const QVariantMap& loaded = {}) const;
    // Other rows refer to this one.
    bool inUse(const QVariant& key) const;
    // Refuses a user who may not change the table, asks "Kayıt Silinsin mi?", refuses a row
    // in use with its message; true when deleted.
    bool remove(const QVariant& key) const;

private:
    QVariant derived(int field, const QVariantMap& values) const;
    bool keyExists(const QVariant& key) const;

    Db m_db;
    CodeNameDef m_def;
};

} // namespace nimbo
