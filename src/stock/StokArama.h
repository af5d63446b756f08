#pragma once
#include "db/Db.h"

namespace nimbo {

// Finding the item a slip line is typed with, and the critical-level test of a new line.
class StokArama {
public:
    enum class Bulunan { Yok, Kod, Barkod, Ad };
    struct Sonuc {
        double stokNo = 0;
        Bulunan nasil = Bulunan::Yok;
    };
    // By code, then by barcode (the card's or one of its barcode rows), then the first item
    // whose name starts with the text (in any case).
    static Sonuc bul(const Db& db, const QString& text);
    // The item's total on hand less the quantity going out falls below its KRITIK_SEV.
    static bool kritikAltina(const Db& db, double stokNo, double cikanMiktar);
};

} // namespace nimbo
