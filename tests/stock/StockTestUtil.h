#pragma once
#include "db/DbTransaction.h"
#include "stock/StockCard.h"

#include <QVariantMap>

namespace nimbo::test {

// A new card with the code, name and main group, not saved yet.
inline void startCard(StockCard& c, const QString& kod, const QString& ad)
{
    c.startNew();
    c.setValue(QStringLiteral("STOK_KOD_NO"), kod);
    c.setValue(QStringLiteral("STOK_ADI_TR"), ad);
    c.setValue(QStringLiteral("ANAGRUPNO"), 1);
}

// Saves a new card with the code, name and main group, plus any other columns given.
inline double saveItem(const Db& db, const QString& kod, const QVariantMap& extra = {})
{
    StockCard c(db);
    c.startNew();
    c.setValue(QStringLiteral("STOK_KOD_NO"), kod);
    c.setValue(QStringLiteral("STOK_ADI_TR"), QStringLiteral("Ürün ") + kod);
    c.setValue(QStringLiteral("ANAGRUPNO"), 1);
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        c.setValue(it.key(), it.value());
    c.save();
    return c.stokNo();
}

inline void addMovement(const Db& db, double stokNo, int depo, double gir, double cik, double satisNo,
                        const QString& tip = QStringLiteral("D"))
{
    DbTransaction tx(db);
    db.exec(QStringLiteral("INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, FIYAT, FYT_USD, "
                           "DEPO_KODU, TARIH) VALUES (:N, :T, 1, :S, :G, :C, 10, 1, :D, :TR)"),
            {{"N", satisNo}, {"T", tip}, {"S", stokNo}, {"G", gir}, {"C", cik}, {"D", depo},
             {"TR", QDateTime(QDate(2026, 1, 2), QTime(0, 0))}});
    tx.commit();
}

} // namespace nimbo::test
