#pragma once
#include "db/Db.h"
#include "model/ListQuery.h"

#include <functional>

namespace nimbo {

// Sums of one group of bank rows in one currency.
struct BankaToplam {
    QString grup;   // branch, bank or "bank / account", by the grouping asked for
    QString doviz;
    double borc = 0, alacak = 0, borcDvz = 0, alacakDvz = 0;
    double bakiye() const { return borc - alacak; }
    double bakiyeDvz() const { return borcDvz - alacakDvz; }
};

// "Banka Toplamları": what the banks hold, read from FINHRK. A row counts when it carries
// no cheque, when it is a kind "E" row of one of our own cheques already collected, or when
// it is a debit row of a customer cheque already collected; rows of papers in any other
// status do not count.
//
// Every reading sums per bank, account and currency in the order of the covering index
// (KODU, KODU2, DOVIZ_KODU, ...), so neither engine sorts the rows; coarser groupings are
// added up from those few sums here.
class BankaBakiye {
public:
    enum class Grup { Hesap, Banka, Sube, Tumu };

    explicit BankaBakiye(const Db& db) : m_db(db) {}

    // One account, per currency.
    QList<BankaToplam> hesap(const QString& bankaKod, const QString& hesapNo) const;
    // One bank (all its accounts), per currency.
    QList<BankaToplam> banka(const QString& bankaKod) const;
    // One bank per account ("bank / account") and currency.
    QList<BankaToplam> hesaplari(const QString& bankaKod) const;
    // Every bank, grouped by account, bank, bank branch or not at all; per currency.
    QList<BankaToplam> hepsi(Grup grup) const;

    // The statements behind the readings: sums per bank, account and currency (a plain list
    // each, read whole). Every bank at once takes the banks' codes.
    static ListQuery hesapSorgusu(const QString& bankaKod, const QString& hesapNo);
    static ListQuery bankaSorgusu(const QString& bankaKod);
    static ListQuery hepsiSorgusu(const QStringList& bankaKodlari);

private:
    struct Satir {
        QString banka, hesap;
        BankaToplam toplam;
    };
    QList<Satir> oku(const ListQuery& q) const;
    static QList<BankaToplam> grupla(const QList<Satir>& satirlar, const std::function<QString(const Satir&)>& grup);

    Db m_db;
};

} // namespace nimbo
