#pragma once
#include "db/Db.h"

#include <QDate>
#include <QList>

namespace nimbo {

struct EkstreSatiri {
    QDate tarih;
    double fisNo = 0;
    QString fisNumara;
    double yevmiyeNo = 0;
    QString hesapKodu;
    QString aciklama;
    double borc = 0, alacak = 0;
    double bakiye = 0; // running: debit minus credit, opening included
};

// One account's ledger extract (the account and the accounts below it): the balance
// brought forward from before the first day, then every line of the range in date and
// voucher order with the running balance.
class HesapEkstresi {
public:
    HesapEkstresi(const Db& db, const QString& kod) : m_db(db), m_kod(kod) {}
    QList<EkstreSatiri> oku(const QDate& bas, const QDate& bit);
    QString hesapAdi() const;
    // The lowest code that has voucher lines (empty when none has).
    static QString ilkHareketliHesap(const Db& db);

    double devirBorc = 0, devirAlacak = 0;
    double toplamBorc = 0, toplamAlacak = 0; // of the range
    double bakiye() const { return devirBorc + toplamBorc - devirAlacak - toplamAlacak; }

private:
    Db m_db;
    QString m_kod;
};

} // namespace nimbo
