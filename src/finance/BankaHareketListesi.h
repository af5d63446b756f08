#pragma once
#include "db/Db.h"
#include "model/ListQuery.h"

#include <QDate>

namespace nimbo {

// "BANKA HAREKETLERİ": the bank movement documents, newest first, narrowed by type, date
// range, posted or not, and a bank (documents with a line on it).
struct BankaHareketFiltre {
    QString tip;
    QDate bas, son;
    QString muhasebe; // "E" posted, "H" not, empty either
    QString bankaKod;
};

class BankaHareketListesi {
public:
    static ListQuery sorgu(const BankaHareketFiltre& f);
    // The SQL expression of a type's name over BANKHRK H.
    static QString tipAdiSql();
};

} // namespace nimbo
