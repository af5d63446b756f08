#include "ServicesTestSupport.h"

#include <QSqlQuery>

using namespace nimbo;
using namespace nimbo::test;

class QueryPlans : public ServicesTest {
protected:
    // The engine's plan of a statement as one text.
    QString plan(const QString& sql)
    {
        const bool pg = db.dialect().isPostgres();
        if (pg)
            db.exec(QStringLiteral("SET enable_seqscan = off")); // a tiny table must not hide a missing index
        QSqlQuery q = db.exec((pg ? QStringLiteral("EXPLAIN ") : QStringLiteral("EXPLAIN QUERY PLAN ")) + sql);
        QStringList lines;
        while (q.next())
            lines << q.value(pg ? 0 : 3).toString();
        if (pg)
            db.exec(QStringLiteral("RESET enable_seqscan"));
        return lines.join(QLatin1Char('\n'));
    }
    bool readsIndexOnly(const QString& p) const
    {
        return db.dialect().isPostgres() ? p.contains(QLatin1String("Index Only Scan"))
                                         : p.contains(QLatin1String("COVERING INDEX"));
    }
};

// The rate look-up walks the key of one currency backwards; an account's balance, also per
// currency, is read from the account index alone, never from the table rows.
TEST_F(QueryPlans, RateLookUpAndBalancesUseTheirIndexes)
{
    const QString rate = plan("SELECT TLDEGERI_SATIS, TARIH, TLDEGERI_ALIS FROM KURDEGER WHERE (DOVIZ_KODU = 'USD') "
                              "AND (TARIH <= '2026-03-01') ORDER BY TARIH DESC LIMIT 1");
    EXPECT_TRUE(rate.contains(QLatin1String("DOVIZ_KODU=? AND TARIH<?"))
                || rate.contains(QLatin1String("Index Scan Backward using kurdeger_pkey")))
        << rate.toStdString();
    EXPECT_FALSE(rate.contains(QLatin1String("TEMP B-TREE")) || rate.contains(QLatin1String("Sort")))
        << rate.toStdString();

    const QString total = plan("SELECT SUM(BORC), SUM(ALACAK) FROM FINHRK WHERE KODU = 'C001'");
    EXPECT_TRUE(readsIndexOnly(total)) << total.toStdString();
    const QString perCurrency = plan("SELECT DOVIZ_KODU, SUM(BORC_DVZ), SUM(ALACAK_DVZ) FROM FINHRK WHERE KODU = 'C001' "
                                     "GROUP BY DOVIZ_KODU ORDER BY DOVIZ_KODU");
    EXPECT_TRUE(readsIndexOnly(perCurrency)) << perCurrency.toStdString();
    const QString upTo = plan("SELECT SUM(BORC) - SUM(ALACAK) FROM FINHRK WHERE KODU = 'C001' AND TARIH < '2026-03-01'");
    EXPECT_TRUE(readsIndexOnly(upTo)) << upTo.toStdString();
}
