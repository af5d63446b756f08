#pragma once
#include <QString>

namespace nimbo {

// One row of the item's barcode grid (STOKBARK).
struct StockBarcode {
    QString barkod;
    QString barkTip = QStringLiteral("C");
    QString birim;
    double fiyat = 0;
    QString savedBarkod; // the barcode as stored, empty for a new row
    QString checkedBarkod; // the barcode as last checked (its warnings are not repeated)
};

// One row of the item's warehouse-location grid (STOKDEPOYER).
struct StockLocation {
    int depoKodu = 0;
    QString rafYeri;
};

// One row of the item's supplier price list (TEDARIKFIYAT).
struct SupplierPrice {
    int tedKod = 0;
    double alisFyt = 0;
    QString dovizKod;
};

} // namespace nimbo
