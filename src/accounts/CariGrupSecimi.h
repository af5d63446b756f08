#pragma once
#include "db/Db.h"

#include <QList>
#include <QPair>
#include <QVariant>

namespace nimbo {

// The choices of the card's and the list's combos, in Turkish order of their names: the
// three group levels (a chosen main group narrows the groups, a chosen group the subgroups;
// nothing chosen offers every row of the level), the discount groups already used and the
// salespeople.
class CariGrupSecimi {
public:
    using Secenek = QPair<QVariant, QString>; // stored value, name shown

    explicit CariGrupSecimi(const Db& db) : m_db(db) {}
    QList<Secenek> anaGruplar() const;            // CANAGRUP.KODU as a number
    QList<Secenek> gruplar(const QVariant& anaGrup) const; // CARIGRUP.GRUP_KOD
    QList<Secenek> altGruplar(const QString& grup) const;  // CALTGRUP.KODU
    QStringList iskontoGruplari() const;                   // distinct CARI.ISKGRUP
    QList<Secenek> temsilciler() const;                    // CALISAN.ISCI_KOD

private:
    QList<Secenek> read(const QString& sql, const Params& p, bool numeric) const;
    Db m_db;
};

} // namespace nimbo
