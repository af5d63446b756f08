#pragma once
#include "db/Db.h"
#include "ledger/HesapKart.h"

#include <QSqlRecord>
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace nimbo::test {

// Accounts saved through the account card in the given order (children before parents: no
// parent is a posting account when its child is added).
inline void hesaplariAc(const Db& db, std::initializer_list<std::pair<const char*, const char*>> hesaplar)
{
    for (const auto& [kod, ad] : hesaplar) {
        HesapKart k(db);
        k.yeni(QString::fromUtf8(kod));
        k.setValue(QStringLiteral("HESAP_ADI"), QString::fromUtf8(ad));
        k.save();
    }
}

// A voucher's lines as "CODE B 118" (debit) or "CODE A 100" (credit), in line order, amounts
// to the cent.
inline QStringList fisSatirlari(const Db& db, double fisNo)
{
    QStringList out;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT HSPKODU, BORC, ALACAK FROM FISAYR WHERE FISNO = :n "
                                                         "ORDER BY SIRANO"),
                                          {{QStringLiteral("n"), fisNo}})) {
        const double b = r.value(1).toDouble();
        out << QStringLiteral("%1 %2 %3")
                   .arg(toText(r.value(0)), b > 0 ? QStringLiteral("B") : QStringLiteral("A"))
                   .arg(qRound64((b > 0 ? b : r.value(2).toDouble()) * 100) / 100.0);
    }
    return out;
}

} // namespace nimbo::test
