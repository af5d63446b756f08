#pragma once
#include "db/Db.h"

#include <QHash>

namespace nimbo {

// The item's cost price: the quantity-weighted average over all its cost rows (MALIFYT),
// rounded to 4 decimals, in local currency, USD and EUR.
class MaliyetFiyati {
public:
    struct Ortalama {
        double tl = 0, usd = 0, eur = 0;
        bool tanimli = false; // false without rows or when the quantities sum to zero
    };
    // The average from a group of cost rows: their count, quantity and quantity-weighted sums.
    static Ortalama toplamlardan(int sayi, double miktar, double tl, double usd, double eur);
    // The averages of many items in one read; an item without an average is left out.
    static QHash<double, Ortalama> ortalamalar(const Db& db, const QList<double>& stoklar);
    // Writes the average into STOK.MALIYET_FYT_TL/_USD/_EUR; leaves them as they are when
    // there is nothing to average (the card's own cost stays after the last slip is deleted).
    static void guncelle(const Db& db, double stokNo);
    // The same for many items at once: one read and one write whatever their number.
    static void guncelle(const Db& db, const QList<double>& stoklar);
};

} // namespace nimbo
