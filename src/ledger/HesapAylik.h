#pragma once
#include "db/Db.h"

#include <QList>

namespace nimbo {

struct AylikSatir {
    int ay = 0; // 1..12
    double borc = 0, alacak = 0;
    double bakiyeBorc = 0, bakiyeAlacak = 0; // running balance up to the month's end, on its side
    double giren = 0, cikan = 0;             // quantities on debit and credit lines
    double kalan() const { return giren - cikan; }
    double kumKalan = 0;
};

// The monthly view of an account (and the accounts below it): twelve months of debit,
// credit and running balance; quantities for accounts kept with a unit.
class HesapAylik {
public:
    HesapAylik(const Db& db, const QString& kod) : m_db(db), m_kod(kod) {}
    QList<AylikSatir> oku();
    AylikSatir toplam;       // "TOPLAM"
    QString birim;           // HSPLAN.BIRIM; empty when the account has no quantities
    static QString ayAdi(int ay); // "OCAK" ... "ARALIK"

private:
    Db m_db;
    QString m_kod;
};

} // namespace nimbo
