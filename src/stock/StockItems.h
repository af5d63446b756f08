#pragma once
#include "db/Db.h"

namespace nimbo {

// The list's commands on whole items: delete and copy.
class StockItems {
public:
    // Rows of quotations, campaigns, orders, parts runs or movements refer to the item.
    static bool hasMovements(const Db& db, double stokNo);
    // Asks "Kayıt Silinsin mi?", refuses an item with movements, deletes the STOK row only.
    // True when deleted.
    static bool remove(const Db& db, double stokNo);
    // A new card from all columns of the item, with a new number and a copy of its STOKMUH row.
    static double copy(const Db& db, double stokNo);
    // The lowest item number, or the lowest that has stock movements (a window opened by
    // name alone shows it); 0 when there is none.
    static double ilkStokNo(const Db& db, bool hareketli = false);
    // "code name" of an item, empty when the number is unknown.
    static QString kodVeAd(const Db& db, double stokNo);
};

} // namespace nimbo
