#pragma once
#include "model/CardModel.h"

namespace nimbo {

// The warehouse stock list ("Depo Stokları"): per warehouse and item the quantities and
// values in and out and the balance.
class DepoStoklari {
public:
    enum class Bakiye { Hepsi, Pozitif, Negatif };
    struct Filtre {
        int depoKodu = 0;  // 0: every warehouse
        Bakiye bakiye = Bakiye::Hepsi;
        int uniteKodu = 0; // 0: every unit
        QString stokKodu;  // code prefix
    };
    // Fields: DEPO_KODU, DEPO_ADI, STOK_NO, STOK_KOD_NO, STOK_ADI_TR, GIRMIK, CIKMIK, MIKTAR,
    // GIRTUTAR, CIKTUTAR; a keyed list ordered by warehouse (its sort) and item (its key).
    // Only warehouses defined in DEPO are listed.
    static ListQuery sorgu(const Filtre& f, const Dialect& d);
};

} // namespace nimbo
