#include "CariHareketFixture.h"
#include "db/SchemaManager.h"
#include "trade/SatisBelgesi.h"

namespace nimbo::test {

namespace {

class CariHareketSurumTest : public CariHareketTestBase {
protected:
    void SetUp() override
    {
        CariHareketTestBase::SetUp();
        f.insert("DEPO", {{"DEPO_KODU", 1}, {"DEPO_ADI", "Merkez Depo"}});
        f.insert("STOK", {{"STOK_NO", 1.0}, {"STOK_KOD_NO", "S001"}, {"STOK_ADI_TR", "Ürün"}, {"BIRIM1", "ADET"},
                          {"KDV", 18.0}, {"KDV_DAHIL", "H"}, {"DOVIZ_KODU", "TL"}, {"SAT_SKFYT_TL", 100.0},
                          {"SAT_SKFYT_DOVIZ", 100.0}});
        f.insert("STOKHRK", {{"SATISNO", 900000.0}, {"TIP", "D"}, {"SIRANO", 1}, {"STOK_NO", 1.0}, {"GIRMIK", 50.0},
                             {"CIKMIK", 0.0}, {"DEPO_KODU", 1}, {"TARIH", QDateTime(kGun, QTime(0, 0))}});
    }
    // What an older program wrote: a manual line pointing at its own movement number.
    void eskiYazim(double no) const
    {
        DbTransaction tx(db);
        db.exec("UPDATE CARIHRK SET REF_NO = CARI_NO WHERE CARI_NO = :N", {{"N", no}});
        tx.commit();
    }
    void surumeGeriDon(const QString& adim) const
    {
        int v = 0;
        for (const Migration& m : SchemaManager::migrations())
            if (m.what.contains(adim))
                v = m.version;
        ASSERT_GT(v, 0);
        DbTransaction tx(db);
        db.exec("DELETE FROM SCHEMA_SURUM WHERE SURUM >= :v", {{"v", v}});
        tx.commit();
    }
    // A cash sale whose number is `no`, on the customer C1, saved and corrected.
    void satis(double no) const
    {
        {
            DbTransaction tx(db);
            db.exec("DELETE FROM NEWSATIS");
            db.exec("INSERT INTO NEWSATIS (YENINO) VALUES (:n)", {{"n", no}});
            tx.commit();
        }
        SatisBelgesi s(db);
        s.setHeader("TIP", "F");
        s.setHeader("CARIKOD", "C1");
        s.setHeader("KASAKOD", "K01");
        s.setHeader("FAT_NO", "A00001");
        s.setHeader("IRS_NO", "I00001");
        s.setHeader("IRSTARIH", kGun);
        s.setHeader("TARIH", kGun);
        const int r = s.stokEkle(1);
        s.setLine(r, "MIKTAR", 1.0);
        s.setLine(r, "DEPO_KODU", 1);
        s.save();
        ASSERT_DOUBLE_EQ(s.key().toDouble(), no);
        // Its correction clears the rows the sale wrote before, by its number.
        SatisBelgesi d(db);
        d.open(no);
        d.setHeader("ACIKLAMA", "Düzeltildi");
        d.save();
    }
};

} // namespace

// Manual lines that an older program wrote with REF_NO = their own number lose it on the
// upgrade; a bank or finance line whose REF_NO happens to equal its CARI_NO keeps it. After
// that a sale numbered like the manual document leaves the manual lines alone.
TEST_F(CariHareketSurumTest, UpgradeFreesManualLinesFromSalesOfTheSameNumber)
{
    auto nakit = yeni(db, "N", "B");
    satir(*nakit, "C1", 300, true);
    satir(*nakit, "C2", 200, true);
    const double nakitNo = nakit->save().key.toDouble();
    auto dekont = yeni(db, "D");
    satir(*dekont, "C2", 75, false);
    const double dekontNo = dekont->save().key.toDouble();
    eskiYazim(nakitNo);
    eskiYazim(dekontNo);
    // A bank line under a movement number of the same counter, and a line of another
    // module's type under a manual document's number: neither is a manual line.
    const double bankaNo = dekontNo + 1;
    f.insert("CARIHRK", {{"CARI_NO", bankaNo}, {"SIRANO", 1}, {"CARI_KOD", "C1"}, {"CRHRK_TUR", "G"}, {"TIP", 1},
                         {"REF_NO", bankaNo}, {"DOVIZ_KODU", "TL"}, {"BORC", 10.0}});
    f.insert("CARIHRK", {{"CARI_NO", dekontNo}, {"SIRANO", 9}, {"CARI_KOD", "C1"}, {"CRHRK_TUR", "S"}, {"TIP", 1},
                         {"REF_NO", dekontNo}, {"DOVIZ_KODU", "TL"}, {"BORC", 20.0}});

    surumeGeriDon(QStringLiteral("REF_NO"));
    SchemaManager::upgradeYear(db);
    SchemaManager::upgradeYear(db); // safe to run again
    EXPECT_EQ(SchemaManager::versionOf(db), SchemaManager::currentVersion());
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE CARI_NO IN (:A, :B) AND CRHRK_TUR IN ('N', 'D') "
                    "AND REF_NO IS NULL",
                    {{"A", nakitNo}, {"B", dekontNo}}),
              3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE CARI_NO=:N AND REF_NO=:N", {{"N", bankaNo}}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE CARI_NO=:N AND SIRANO=9 AND REF_NO=:N", {{"N", dekontNo}}), 1);

    satis(nakitNo);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE CARI_NO=:N AND CRHRK_TUR='N'", {{"N", nakitNo}}), 2);
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(ALACAK) FROM CARIHRK WHERE CARI_NO=:N", {{"N", nakitNo}}), 500);
    // The desk rows of both lines (the sale's own desk row shares the number, not the lines).
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(TUTAR) FROM KASAHRKT WHERE HRKNO=:N AND REF_TIP='C' AND SIRANO IN (1, 2)",
                         {{"N", nakitNo}}),
                     500);
    // The manual document still opens with both lines.
    CariHareketBelgesi again(db, "N", "B");
    again.open(nakitNo);
    EXPECT_EQ(again.lines().count(), 2);
}

} // namespace nimbo::test
