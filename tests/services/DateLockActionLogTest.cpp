#include "ServicesTestSupport.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/TarihKilit.h"

using namespace nimbo;
using namespace nimbo::test;

class DateLock : public ServicesTest {
protected:
    void setLock(const QVariant& from, const QVariant& to)
    {
        DbTransaction tx(db);
        db.exec("UPDATE PARAMET SET KILIT_TRH = :a, KILIT_TRH2 = :b", {{"a", from}, {"b", to}});
        tx.commit();
    }
};

// Only a lock with both ends restricts; both ends are allowed; the message names the range.
TEST_F(DateLock, BothEndsNeededAndIncluded)
{
    const QVariant none(QMetaType::fromType<QDateTime>());
    setLock(at(2026, 3, 1), none);
    EXPECT_TRUE(TarihKilitKontrol(QDate(2025, 1, 1), true));
    setLock(none, at(2026, 3, 31));
    EXPECT_TRUE(TarihKilitKontrol(QDate(2027, 1, 1), true));

    setLock(at(2026, 3, 1), at(2026, 3, 31));
    EXPECT_TRUE(TarihKilitKontrol(QDate(2026, 3, 1), true));
    EXPECT_TRUE(TarihKilitKontrol(QDate(2026, 3, 31), true));
    EXPECT_FALSE(TarihKilitKontrol(QDate(2026, 4, 1), false)); // no message asked for
    (*prompter)->expectError("Sadece 01.03.2026-31.03.2026 tarihleri arasında işlem yapabilirsiniz !\n"
                             "İşlem tarihi : 28.02.2026");
    EXPECT_FALSE(TarihKilitKontrol(QDate(2026, 2, 28), true));

    DbTransaction tx(db);
    db.exec("DELETE FROM PARAMET");
    tx.commit();
    EXPECT_TRUE(TarihKilitKontrol(QDate(2020, 1, 1), true)); // no row: no lock
}

// One row with every value, the staff code (or the user name), inside the caller's transaction.
TEST_F(DateLock, ActionLogRowFollowsTheCaller)
{
    loginAs("SATICI");
    {
        DbTransaction tx(db);
        db.exec("UPDATE KIMKUL SET PERSON_KOD = 'P007' WHERE KULLANICI = 'SATICI'");
        tx.commit();
    }
    {
        DbTransaction tx(db);
        KullanciNeYapti("SATIS", 1205, 3, "S", "SAT", "C001", 2.5, 12.75, "USD", "A-0001", 1530.0, 88, "SIM-88",
                        "Düzeltmede Silindi.");
        tx.commit();
    }
    const auto rows = db.records("SELECT * FROM UISLEM");
    ASSERT_EQ(rows.size(), 1);
    const QSqlRecord& r = rows[0];
    EXPECT_EQ(sqlText(r.value("BOLUM")), "SATIS");
    EXPECT_EQ(sqlText(r.value("ALTB")), "SAT");
    EXPECT_DOUBLE_EQ(r.value("REFNO").toDouble(), 1205);
    EXPECT_DOUBLE_EQ(r.value("SNO").toDouble(), 3);
    EXPECT_EQ(sqlText(r.value("KTIP")), "S");
    EXPECT_EQ(sqlText(r.value("CKOD")), "C001");
    EXPECT_DOUBLE_EQ(r.value("MIKTAR").toDouble(), 2.5);
    EXPECT_DOUBLE_EQ(r.value("FYTDVZ").toDouble(), 12.75);
    EXPECT_EQ(sqlText(r.value("DVZ")), "USD");
    EXPECT_EQ(sqlText(r.value("BELGE_NO")), "A-0001");
    EXPECT_DOUBLE_EQ(r.value("GER_TUT").toDouble(), 1530.0);
    EXPECT_DOUBLE_EQ(r.value("STOK_NO").toDouble(), 88);
    EXPECT_EQ(sqlText(r.value("SIM_KOD")), "SIM-88");
    EXPECT_EQ(sqlText(r.value("ACIKLAMA")), "Düzeltmede Silindi.");
    EXPECT_EQ(sqlText(r.value("PERS_KOD")), "P007");
    EXPECT_EQ(toDateTime(r.value("TARIH")).date(), QDate::currentDate());

    {
        DbTransaction tx(db);
        db.exec("UPDATE KIMKUL SET PERSON_KOD = NULL WHERE KULLANICI = 'SATICI'");
        KullanciNeYapti("CARI", 9, QVariant(), QVariant(), QVariant(), "C002", QVariant(), QVariant(), QVariant(),
                        QVariant(), QVariant(), QVariant(), QVariant(), "Cari.Hrk.Silindi");
        tx.rollback();
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM"), 1); // rolled back with the caller

    KullanciNeYapti("CARI", 9, QVariant(), QVariant(), QVariant(), "C002", QVariant(), QVariant(), QVariant(),
                    QVariant(), QVariant(), QVariant(), QVariant(), "Cari.Hrk.Silindi");
    {
        DbTransaction tx(db);
        db.exec("UPDATE KIMKUL SET PERSON_KOD = '' WHERE KULLANICI = 'SATICI'");
        tx.commit();
    }
    KullanciNeYapti("BANKA", 10, 1, "B", QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
                    QVariant(), QVariant(), QVariant(), "Bnk.Hrk.Silindi.");
    const auto later = db.records("SELECT PERS_KOD, REFNO, MIKTAR FROM UISLEM WHERE BOLUM <> 'SATIS' ORDER BY REFNO");
    ASSERT_EQ(later.size(), 2);
    EXPECT_EQ(sqlText(later[0].value(0)), "P007");
    EXPECT_TRUE(later[0].value(2).isNull());
    EXPECT_EQ(sqlText(later[1].value(0)), "SATICI"); // no staff code: the user name
}
