#pragma once
#include "db/Db.h"

#include <QList>

namespace nimbo {

// Equivalent items of an item (MUADIL), one direction only.
class StockEquivalents {
public:
    struct Row {
        double stokNo = 0;
        QString kod;
        QString adi;
    };
    static QList<Row> of(const Db& db, double stokNo);
    // Inserts the pair unless it is already there; true when a row was written.
    static bool add(const Db& db, double stokNo, double muStokNo);
    // The item typed by its stock code: an unknown code is refused ("Stok Bulunamadı."),
    // the item itself is no equivalent of its own (false, nothing written).
    static bool addByCode(const Db& db, double stokNo, const QString& stokKod);
    // "CODE  NAME" of the item, for the window's heading (empty when it is gone).
    static QString heading(const Db& db, double stokNo);
    // Asks "Kayıt Silinsin mi?" and deletes that one pair.
    static bool remove(const Db& db, double stokNo, double muStokNo);
};

} // namespace nimbo
