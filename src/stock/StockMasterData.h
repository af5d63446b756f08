#pragma once
#include "widgets/CardModel.h"

#include <QList>
#include <QPair>

namespace nimbo {

// The small tables that classify items, with their save and delete rules:
// main group, group, sub-group, brand, model, colour, unit, VAT rate and vehicle type.
class StockMasterData {
public:
    enum class Kind { AnaGrup, Grup, AltGrup, Marka, Model, Renk, Birim, Kdv, AracTipi };
    struct Column {
        QString name;
        QString caption;
        enum class Type { Text, Integer, Number, Switch, Choice } type = Type::Text;
    };

    StockMasterData(const Db& db, Kind kind) : m_db(db), m_kind(kind) {}
    Kind kind() const { return m_kind; }

    QString table() const;
    QString keyColumn() const;
    QString nameColumn() const;
    // Editable columns of the card, in order (key first).
    QList<Column> columns() const;
    // Whether the key is typed by the user (otherwise numbered on a new row).
    bool keyTyped() const;

    // Rows with the parents' names; nameSearch narrows to names that begin with it.
    ListQuery listQuery(const QString& nameSearch = {}) const;
    QVariantMap load(const QVariant& key) const;
    // A new row's values (a number for numbered keys).
    QVariantMap newValues() const;
    // Checks in order (FieldError) and writes in one transaction; returns the stored key.
    QVariant save(const QVariantMap& values, bool isNew, const QVariant& oldKey = {}) const;
    // Items (or vehicles) refer to the row.
    bool inUse(const QVariant& key) const;
    // Asks "Kayıt Silinsin mi?", refuses a row in use with its message; true when deleted.
    bool remove(const QVariant& key) const;

    // Choices of a Choice column: key/name pairs, narrowed by the value of the column before it.
    QList<QPair<QVariant, QString>> choices(const QString& column, const QVariant& narrow = {}) const;

private:
    Db m_db;
    Kind m_kind;
};

} // namespace nimbo
