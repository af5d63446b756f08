#pragma once
#include <QString>

namespace nimbo {

// What the logged-in user may do with stock cards (right flags of the session).
class StockRights {
public:
    // STKART "H" or "O"; otherwise "Stok Kartı Yetkiniz Yok" is shown and false returned.
    static bool mayOpenCard();
    // DEPSTK "H" or "O"; otherwise "Depo Stok Miktarlarını Görme Yetkiniz Yok..!" and false.
    static bool maySeeQuantities();
};

} // namespace nimbo
