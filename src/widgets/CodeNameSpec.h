#pragma once
// Qt Core only: a small code/name master-data table described as data. Domain code writes
// the description; CodeNameTable applies its rules and CodeNameWindow shows it.
#include <QList>
#include <QString>

namespace nimbo {

// A column that points at another code/name table, e.g. a group's main group.
struct CodeNameParent {
    QString column;          // column of this table holding the parent's key ("KODU")
    QString caption;         // "Ana Grup"
    QString table;           // the parent table ("CANAGRUP")
    QString keyColumn;       // its key ("KODU")
    QString nameColumn;      // its name ("GRUP_ADI")
    QString requiredMessage; // shown when left empty on save
    // false: chosen on the card only to narrow the next parent's choices (not a column here)
    bool stored = true;
    // Column of the parent table compared with the previous parent's value to narrow the
    // choices (a subgroup's group list shows the groups of the chosen main group: "KODU").
    QString narrowedBy;
};

struct CodeNameSpec {
    QString table;           // "CARIGRUP"
    QString caption;         // window caption, also the menu caption ("Cari Grup Tanımları")
    QString className;       // window class name for the registry
    QString codeColumn;      // key column
    QString codeCaption;     // "Grup Kodu"
    bool codeAuto = false;   // integer key numbered by the database (not typed)
    QString nameColumn;      // "GRUP_ADI"
    QString nameCaption;     // "Grup Adı"
    QList<CodeNameParent> parents;
    // Checks on save, in this order: every parent, the code, the name, then duplicates.
    QString codeRequired;
    QString nameRequired;
    QString duplicate;       // a new row whose code exists
};

} // namespace nimbo
