#pragma once
#include "db/Db.h"
#include "stock/StokFisVerisi.h"

#include <QList>

namespace nimbo {

// Writes a stock slip and the rows it owns, inside the caller's transaction.
class StokFisiYazici {
public:
    explicit StokFisiYazici(const Db& db) : m_db(db) {}

    void baslikYaz(const StokFisBaslik& b, bool yeni) const;
    // Replaces every line of the slip.
    void satirlariYaz(double hrkNo, const QList<StokFisSatiri>& satirlar) const;
    // Replaces the slip's movement rows: a transfer moves stock only once marked 'T'.
    void hareketleriYaz(const StokFisBaslik& b, const QList<StokFisSatiri>& satirlar) const;
    // Replaces the slip's cost rows (types that carry a cost) and recomputes the weighted
    // average cost of every item the slip names now or named before.
    void maliyetleriYaz(const StokFisBaslik& b, const QList<StokFisSatiri>& satirlar,
                        const QList<double>& eskiStoklar) const;

    static void hareketleriSil(const Db& db, double hrkNo, const QString& tip);
    static void maliyetleriSil(const Db& db, double hrkNo);

private:
    Db m_db;
};

} // namespace nimbo
