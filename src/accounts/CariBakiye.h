#pragma once
#include "db/Db.h"

#include <QList>

namespace nimbo {

// An account's debit and credit totals from FINHRK, in local currency and per currency.
struct CariToplam {
    QString doviz;   // empty for the local-currency totals
    double borc = 0;
    double alacak = 0;
    double bakiye() const { return alacak - borc; }
};

class CariBakiye {
public:
    explicit CariBakiye(const Db& db) : m_db(db) {}
    CariToplam toplam(const QString& kod) const;
    // "Döviz Cinsine Göre Toplamları": row-currency sums per currency.
    QList<CariToplam> dovizToplamlari(const QString& kod) const;

    // Absolute balance in the year's money format with " (A)" (credit) or " (B)" (debit);
    // zero is "---   ".
    static QString metin(double borc, double alacak);
    static QString tutar(double v); // the year's money format, e.g. 1.234,56

private:
    Db m_db;
};

} // namespace nimbo
