#pragma once
#include "db/Db.h"

#include <QDate>
#include <QList>

namespace nimbo {

struct MizanSatiri {
    QString kod;
    QString ad;
    int seviye = 0;
    double acilisBorc = 0, acilisAlacak = 0; // before the first day
    double donemBorc = 0, donemAlacak = 0;   // within the range
    double kapanisBorc() const { return acilisBorc + donemBorc; }
    double kapanisAlacak() const { return acilisAlacak + donemAlacak; }
    double bakiyeBorc() const { return qMax(0.0, kapanisBorc() - kapanisAlacak()); }
    double bakiyeAlacak() const { return qMax(0.0, kapanisAlacak() - kapanisBorc()); }
    void ekle(const MizanSatiri& o);
};

// The trial balance: per account of one level, opening, period and closing debit and credit
// over the voucher lines up to the last day. One pass over the lines grouped by code; the
// levels are summed up from the codes.
class Mizan {
public:
    explicit Mizan(const Db& db) : m_db(db) {}

    // seviye: 0 main accounts, 1, 2, ... deeper levels (posting accounts above that level
    // stand for themselves); -1 every level. Only accounts with lines are listed.
    QList<MizanSatiri> hesapla(int seviye, const QDate& bas, const QDate& bit);
    // Totals of every line in the range (the same on every level).
    const MizanSatiri& toplam() const { return m_toplam; }

private:
    Db m_db;
    MizanSatiri m_toplam;
};

} // namespace nimbo
