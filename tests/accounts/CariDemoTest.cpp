#include "CariFixture.h"
#include "accounts/CariBakiye.h"
#include "accounts/CariListe.h"
#include "demo/DemoData.h"

#include <QSet>
#include <QSqlQuery>

namespace nimbo::test {

using CariDemoTest = YearDbTest;

// The demo firm's accounts carry opening balances, so that the list's balance filters and
// totals have something to show; the rows are whole finance documents with their numbers.
TEST_F(CariDemoTest, DemoAccountsOpenWithBalancesThatEveryBalanceFilterFinds)
{
    {
        DbTransaction tx(db);
        demo::fillAccountsDemo(db, 2026);
        tx.commit();
    }
    auto codes = [&](CariFiltre::Bakiye b) {
        CariFiltre f;
        f.bakiye = b;
        const ListQuery q = CariListe(db).sorgu(f);
        QSqlQuery r = db.exec(q.sql, q.params);
        QSet<QString> out;
        while (r.next())
            out.insert(sqlText(r.value(0)));
        return out;
    };
    const QSet<QString> borclu = codes(CariFiltre::Bakiye::Borclu);
    const QSet<QString> alacakli = codes(CariFiltre::Bakiye::Alacakli);
    const QSet<QString> bakiyesiz = codes(CariFiltre::Bakiye::Bakiyesiz);
    const int hesaplar = db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARI")).toInt();
    EXPECT_GT(borclu.size(), 20);
    EXPECT_GT(alacakli.size(), 20);
    EXPECT_FALSE(borclu.intersects(alacakli));
    EXPECT_FALSE(borclu.intersects(bakiyesiz));
    // "Bakiyesiz" is settled movements; accounts that never moved are in none of the three.
    const int hareketsiz =
        db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARI WHERE CARI_KOD NOT IN (SELECT KODU FROM FINHRK)")).toInt();
    EXPECT_GT(hareketsiz, 20);
    EXPECT_EQ(borclu.size() + alacakli.size() + bakiyesiz.size() + hareketsiz, hesaplar);
    // Suppliers are owed, never owing.
    for (const QString& k : borclu)
        EXPECT_TRUE(k.startsWith(QLatin1String("120."))) << k.toStdString();

    // Every row posts to an account of the firm, dated on the year's first day, as its own
    // finance document; the counter moved past the numbers used.
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM FINHRK WHERE KODU NOT IN (SELECT CARI_KOD FROM CARI)"))
                  .toInt(),
              0);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM FINHRK WHERE YIL <> 2026 OR AY <> 1")).toInt(), 0);
    const int satir = db.scalar(QStringLiteral("SELECT COUNT(*) FROM FINHRK")).toInt();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(DISTINCT FIN_ID) FROM FINHRK")).toInt(), satir);
    EXPECT_GT(db.scalar(QStringLiteral("SELECT YENINO FROM NEWFINHRK")).toInt(),
              db.scalar(QStringLiteral("SELECT MAX(FIN_ID) FROM FINHRK")).toInt());

    // The row totals of one debtor read what was posted, in TL and per currency.
    const QString kod = *borclu.begin();
    const CariToplam t = CariBakiye(db).toplam(kod);
    EXPECT_GT(t.borc, 0);
    EXPECT_EQ(t.alacak, 0);
    EXPECT_TRUE(CariBakiye::metin(t.borc, t.alacak).endsWith(QStringLiteral(" (B)")));
    const QList<CariToplam> d = CariBakiye(db).dovizToplamlari(kod);
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(d[0].doviz, QStringLiteral("TL"));
    EXPECT_DOUBLE_EQ(d[0].borc, t.borc);
}

} // namespace nimbo::test
