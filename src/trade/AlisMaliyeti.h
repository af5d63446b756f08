#pragma once
#include "db/Db.h"
#include "db/DocumentWriter.h"

#include <QDate>
#include <QList>

namespace nimbo {

// One cost row a purchase line leaves in MALIFYT.
struct MaliyetSatiri {
    int siraNo = 0;
    double stokNo = 0;
    double miktar = 0;
    double gerTut[3] = {0, 0, 0}; // net amount in local currency, USD, EUR
    double fiyat = 0;             // FIYAT: local unit price
    double fytDoviz = 0;          // FYT_DOVIZ: unit price in the line's currency
    QString doviz;
};

// Cost rows of purchases and what follows from them on the item card: last purchase
// prices (returns excluded), the weighted average cost, and sale prices that follow the
// purchase price. The cards are locked before their cost rows are read, so of two purchases
// of one item saved at once the later one reads the earlier one's rows; a long document
// costs no more round trips than a short one.
class AlisMaliyeti {
public:
    // Replaces the purchase's cost rows (TIP 'A') and returns the items they touched, old and
    // new; a new purchase has no old rows to look for.
    static QList<double> yaz(DocumentWriter& w, double alisNo, bool yeniBelge, const QString& belgeTipi,
                             const QDate& fatTarih, const QList<MaliyetSatiri>& satirlar);
    static QList<double> sil(const Db& db, double alisNo);
    // What the cost rows leave on the item cards, each card written once: ALIS_SON_* from the
    // latest non-return cost row (largest on a tie; kept when none is left), the average cost
    // MALIYET_FYT_* (kept when there is nothing to average), and with `satisFiyatlari` the
    // SAT_SKFYT, SAT_ABFYT, SAT_BFYT of an item whose KAR_TIP is 'A' (from the last purchase
    // price) or 'M' (from the cost price); other items' sale prices are left alone.
    static void kartlariGuncelle(const Db& db, const QList<double>& stoklar, bool satisFiyatlari);
};

} // namespace nimbo
