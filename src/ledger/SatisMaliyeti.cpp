#include "ledger/SatisMaliyeti.h"
#include "db/DbTransaction.h"

namespace nimbo {

namespace {

// Per sold line: the quantity in the item's first unit and the unit cost at the invoice date.
// Sales returns come back at their sale price, which is no purchase cost: their rows do not count.
QString maliyetSecimi()
{
    return QStringLiteral(
               "SELECT L.SATIS_NO, L.SIRANO, L.STOK_NO, L.STOK_KOD_NO, "
               "L.MIKTAR * (CASE WHEN L.BIRIM = K.BIRIM2 AND K.B_KATSAYI2 > 0 THEN K.B_KATSAYI2 "
               "WHEN L.BIRIM = K.BIRIM3 AND K.B_KATSAYI3 > 0 THEN K.B_KATSAYI3 ELSE 1 END) AS MIKTAR, "
               "COALESCE((SELECT SUM(M.MALIYET_TL * M.MIKTAR) / NULLIF(SUM(M.MIKTAR), 0) FROM MALIFYT M "
               "WHERE M.STOK_NO = L.STOK_NO AND M.FATTARIH <= S.FATARIH AND COALESCE(M.BELGETIP, '') NOT IN ('A', 'E')), "
               "K.MALIYET_FYT_TL, 0) AS MALIYET_TL, "
               "S.FATARIH FROM SATIS S JOIN SATISAYR L ON L.SATIS_NO = S.SATIS_NO "
               "LEFT JOIN STOK K ON K.STOK_NO = L.STOK_NO WHERE S.TIP IN (%1)")
        .arg(SatisMaliyeti::satisTipleri());
}

} // namespace

double SatisMaliyeti::hesapla(const Db& db, int yil, int ay)
{
    const QDate bas(yil, ay, 1);
    const Params ayi{{QStringLiteral("ay"), ay}};
    DbTransaction tx(db, DbTransaction::Nesting::Join);
    db.exec(QStringLiteral("DELETE FROM MALSAT WHERE AY = :ay"), ayi);
    db.exec(QStringLiteral("INSERT INTO MALSAT (SATIS_NO, SIRANO, STOK_NO, STOK_KOD_NO, MIKTAR, MALIYET_TL, FATARIH, AY) "
                           "SELECT SATIS_NO, SIRANO, STOK_NO, STOK_KOD_NO, MIKTAR, MALIYET_TL, FATARIH, :ay FROM (")
                + maliyetSecimi() + QStringLiteral(" AND S.FATARIH >= :bas AND S.FATARIH < :son) X"),
            {{QStringLiteral("ay"), ay},
             {QStringLiteral("bas"), QDateTime(bas, QTime(0, 0))},
             {QStringLiteral("son"), QDateTime(bas.addMonths(1), QTime(0, 0))}});
    const double toplam = db.scalar(QStringLiteral("SELECT SUM(MALIYET_TL * MIKTAR) FROM MALSAT WHERE AY = :ay"), ayi).toDouble();
    const Params satir{{QStringLiteral("ay"), ay},
                       {QStringLiteral("t"), QDateTime(bas.addMonths(1).addDays(-1), QTime(0, 0))},
                       {QStringLiteral("tutar"), toplam}};
    if (db.execAffected(QStringLiteral("UPDATE SATMALIMUH SET TARIH = :t, TUTAR = :tutar WHERE AY = :ay"), satir) == 0)
        db.exec(QStringLiteral("INSERT INTO SATMALIMUH (AY, TARIH, TUTAR) VALUES (:ay, :t, :tutar)"), satir);
    tx.commit();
    return toplam;
}

double SatisMaliyeti::birimMaliyeti(const Db& db, double satisNo, int sira)
{
    const Params p{{QStringLiteral("n"), satisNo}, {QStringLiteral("s"), sira}};
    auto r = db.records(QStringLiteral("SELECT MALIYET_TL FROM MALSAT WHERE SATIS_NO = :n AND SIRANO = :s"), p);
    if (r.isEmpty())
        r = db.records(QStringLiteral("SELECT MALIYET_TL FROM (") + maliyetSecimi()
                           + QStringLiteral(" AND L.SATIS_NO = :n AND L.SIRANO = :s) X"),
                       p);
    return r.isEmpty() ? 0 : r.first().value(0).toDouble();
}

} // namespace nimbo
