#pragma once
// Qt Core only: a small code/name master-data table described as data. Domain code writes
// the description (account groups, stock groups, brands, units, ...); CodeNameTable applies
// its rules and the widgets' CodeNameWindow and CodeNameCard show it.
#include "db/Db.h"
#include "model/EditRight.h"

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

namespace nimbo {

// One field of the card. A Choice picks a row of another table (a group's main group);
// with narrowedBy its rows are those whose narrowedBy column equals the value chosen in the
// Choice field before it (a sub-group's group list shows the groups of its main group).
struct CodeNameField {
    enum class Type { Text, Integer, Number, Switch, Choice };
    QString column{};
    QString caption{};
    Type type = Type::Text;
    QString table{};      // Choice: the table offered
    QString keyColumn{};  //         its key
    QString nameColumn{}; //         its name
    QString narrowedBy{};
    // false: chosen on the card only to narrow the next choice; derived when a row opens.
    bool stored = true;
};

struct CodeNameDef {
    enum class Key {
        Typed,    // typed by the user
        Numbered, // given by nextKey when a card starts, shown read-only
        Engine    // numbered by the database on insert, not shown on the card
    };

    QString table;     // "CARIGRUP"
    QString caption;   // window caption, also the menu caption ("Cari Grup Tanımları")
    QString className; // window class name for the registry
    QString keyColumn;
    Key key = Key::Typed;
    std::function<QVariant(const Db&)> nextKey; // Key::Numbered
    bool keyRenamable = false;                   // a saved row's typed key may change
    QString nameColumn;                          // searched by the list's quick search
    QString sortColumn;                          // the list's order; empty: the name
    // The card's fields in order; the key is one of them unless the engine numbers it.
    QList<CodeNameField> fields;
    // Checks on save, in this order: a blank column refuses with its message.
    QList<QPair<QString, QString>> required;
    QString duplicate;   // a row with the key exists already
    // Rows that refer to a row: statements finding any with the key bound as :K.
    QStringList usedBy;
    QString inUseDelete; // a row in use is not deleted ("...Silinemez!")
    QString inUseRename; // nor renamed ("...Değiştirilemez!")
    EditRight right;     // who may change and delete rows

    const CodeNameField* field(const QString& column) const
    {
        for (const CodeNameField& f : fields)
            if (f.column == column)
                return &f;
        return nullptr;
    }
};

} // namespace nimbo
