#pragma once
#include "db/Db.h"

#include <QDate>
#include <QList>

namespace nimbo {

// Earlier purchase and cost prices of an item, for the card's "Alış/Maliyet Fiyatları".
class StockPriceHistory {
public:
    struct Row {
        QDate tarih;
        QString kaynak;  // "Alış" or "Maliyet"
        double miktar = 0;
        double tl = 0, usd = 0, eur = 0;
    };
    // Purchases from the item's incoming purchase movements; costs from MALIFYT when it exists.
    static QList<Row> of(const Db& db, double stokNo);
};

} // namespace nimbo
