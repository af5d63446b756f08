#pragma once
#include "db/Db.h"

#include <QMap>

namespace nimbo {

// The ten toolbar shortcut slots (KISAYOL), shared by every user of the firm-year.
class Shortcuts {
public:
    static constexpr int kSlots = 10;

    explicit Shortcuts(const Db& db) : m_db(db) {}

    // Slot number to caption, for the rows whose slot is 1 to 10.
    QMap<int, QString> all() const;
    // The caption of one slot; empty when the slot has no row.
    QString caption(int slot) const;
    // Puts a menu caption on a slot. An occupied slot asks first; false when the user keeps
    // the old shortcut (or the slot is out of range).
    bool add(int slot, const QString& caption) const;

private:
    Db m_db;
};

} // namespace nimbo
