#pragma once
#include "model/CardModel.h"

#include <QDate>

namespace nimbo {

// An item's movements between two dates ("Stok Depo Hareketleri"), each with the document
// that owns it: a sale, a purchase or a stock slip.
class StokDepoHareketleri {
public:
    // Fields: TARIH, TIP, SATISNO, SIRANO, DEPO_KODU, DEPO_ADI, GIRMIK, CIKMIK, FIYAT, CARIKOD,
    // BELGE ("Satış", "Alış" or "Stok Fişi"), FISTIP (the slip type of a slip's row, else
    // empty); ordered by date, document and line.
    static ListQuery sorgu(double stokNo, const QDate& ilk, const QDate& son);
};

} // namespace nimbo
