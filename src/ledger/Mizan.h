#pragma once
#include "db/Db.h"
#include "ledger/HesapKodu.h"

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

    // One row per code of the level (accounts not that deep stand for themselves); Tumu
    // lists every level from the class down. Only accounts with lines are listed.
    QList<MizanSatiri> hesapla(HesapKodu::Duzey duzey, const QDate& bas, const QDate& bit);
    // Totals of every line in the range (the same on every level).
    const MizanSatiri& toplam() const { return m_toplam; }
    // The balance columns summed over the rows of the level (in the all-levels view over
    // the classes), so that each line counts once.
    double bakiyeBorcToplami() const { return m_bakiyeBorc; }
    double bakiyeAlacakToplami() const { return m_bakiyeAlacak; }

private:
    Db m_db;
    MizanSatiri m_toplam;
    double m_bakiyeBorc = 0, m_bakiyeAlacak = 0;
};

} // namespace nimbo
