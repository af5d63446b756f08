#pragma once
#include "db/Db.h"

#include <QList>
#include <QPair>
#include <QVariant>

namespace nimbo {

// The choices of the three group levels, by name, for the card's and the list's combos:
// a chosen main group narrows the groups, a chosen group the subgroups; nothing chosen
// offers every row of the level.
class CariGrupSecimi {
public:
    using Secenek = QPair<QVariant, QString>; // stored value, name shown

    explicit CariGrupSecimi(const Db& db) : m_db(db) {}
    QList<Secenek> anaGruplar() const;            // CANAGRUP.KODU as a number
    QList<Secenek> gruplar(const QVariant& anaGrup) const; // CARIGRUP.GRUP_KOD
    QList<Secenek> altGruplar(const QString& grup) const;  // CALTGRUP.KODU

private:
    QList<Secenek> read(const QString& sql, const Params& p, bool numeric) const;
    Db m_db;
};

} // namespace nimbo
