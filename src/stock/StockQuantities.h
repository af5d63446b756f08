#pragma once
#include "db/Db.h"

#include <QList>

namespace nimbo {

// On-hand quantities of an item, summed from STOKHRK at read time.
class StockQuantities {
public:
    struct Warehouse {
        int depoKodu = 0;
        QString depoAdi;
        double girMik = 0;
        double cikMik = 0;
        double miktar = 0; // in minus out
    };
    struct Opening {
        double miktar = 0;
        double tutar = 0;    // local currency
        double tutarUsd = 0;
        double fiyat() const { return miktar > 0 ? tutar / miktar : 0; }
        double fiyatUsd() const { return miktar > 0 ? tutarUsd / miktar : 0; }
    };

    static double total(const Db& db, double stokNo);
    static QList<Warehouse> perWarehouse(const Db& db, double stokNo);
    static Opening opening(const Db& db, double stokNo);
};

} // namespace nimbo
