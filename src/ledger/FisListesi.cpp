#include "ledger/FisListesi.h"

namespace nimbo::FisListesi {

ListQuery sorgu(const QDate& bas, const QDate& bit, const QString& tur)
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT FISNO, TARIH, FISNUMARA, YEVMIYE_NO, TUR, ACIKLAMA, BORC, ALACAK, ENT_TIP, ENT_REF_NO, "
                           "BELGENO FROM FIS WHERE TARIH >= :bas AND TARIH < :son");
    q.params = {{QStringLiteral("bas"), QDateTime(bas, QTime(0, 0))},
                {QStringLiteral("son"), QDateTime(bit.addDays(1), QTime(0, 0))}};
    if (!tur.isEmpty()) {
        q.sql += QStringLiteral(" AND TUR = :tur");
        q.params.insert(QStringLiteral("tur"), tur);
    }
    // Read a page at a time in date order: a busy year holds tens of thousands of vouchers.
    q.keyExpr = q.keyField = QStringLiteral("FISNO");
    q.sortExpr = q.sortField = QStringLiteral("TARIH");
    q.sortNullable = false;
    q.sortable = {{QStringLiteral("TARIH"), QStringLiteral("TARIH")}, {QStringLiteral("FISNUMARA"), QStringLiteral("FISNUMARA")},
                  {QStringLiteral("YEVMIYE_NO"), QStringLiteral("YEVMIYE_NO")}};
    return q;
}

double sonFisNo(const Db& db) { return db.scalar(QStringLiteral("SELECT MAX(FISNO) FROM FIS")).toDouble(); }

double belgeFisNo(const Db& db, QChar tur, double belgeNo)
{
    return db.scalar(QStringLiteral("SELECT MAX(FISNO) FROM FIS WHERE ENT_TIP = :t AND ENT_REF_NO = :n"),
                     {{QStringLiteral("t"), QString(tur)}, {QStringLiteral("n"), belgeNo}})
        .toDouble();
}

} // namespace nimbo::FisListesi
