#include "SatisFixture.h"
#include "accounts/CariListe.h"
#include "demo/DemoData.h"

#include <QSqlQuery>

namespace nimbo::test {

namespace {

// The demo's instalment documents, written through the sales and purchase saves and the
// collections, as the account list's instalment filters see them today.
class TaksitDemo : public SatisTestBase {
protected:
    void SetUp() override
    {
        SatisTestBase::SetUp();
        for (const char* k : {"M3", "M4", "M5"})
            cari(QString::fromLatin1(k));
    }
    QStringList kodlar(CariFiltre::Taksit t) const
    {
        CariFiltre f;
        f.taksit = t;
        const ListQuery q = CariListe(db).sorgu(f).whole(db.dialect());
        QSqlQuery r = db.exec(q.sql, q.params);
        QStringList out;
        while (r.next())
            out << toText(r.value(0)).trimmed();
        return out;
    }
    int durumu(const QString& cari, const char* durum) const
    {
        return count("SELECT COUNT(*) FROM TAKSITS WHERE CARI_KOD=:C AND TAKSIT_ODENDI=:D",
                     {{"C", cari}, {"D", QString::fromLatin1(durum)}});
    }
};

} // namespace

TEST_F(TaksitDemo, EachStateIsWrittenAndTheAccountFiltersReadIt)
{
    demo::fillInstalmentDemo(db, gun.year());
    // Accounts taken from the end of the code order: M5 paid off, M4 late, M3 partly paid,
    // M2 open, M1 the supplier of the purchase.
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS WHERE ODE_TIP='T'"), 4);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS WHERE ODE_TIP='T'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS WHERE SAT_TIP='A' AND CARI_KOD='M1'"), 4);
    EXPECT_EQ(durumu("M5", "E"), 3);
    EXPECT_EQ(durumu("M4", "H"), 3);
    EXPECT_EQ(durumu("M3", "E"), 1);
    EXPECT_EQ(durumu("M3", "Y"), 1);
    EXPECT_EQ(durumu("M2", "H"), 6);
    // Every collection is on its account's statement.
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE ACIKLAMA LIKE '%Taksit Ödemesi.'"),
              count("SELECT COUNT(*) FROM TAKSITS WHERE TAH_TUTAR>0"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS WHERE TAH_TUTAR>0"), 8);
    // The down payment is what the instalments leave of each net total.
    for (const QSqlRecord& r : db.records("SELECT SATIS_NO, NETTUT FROM SATIS WHERE ODE_TIP='T'"))
        EXPECT_NEAR(sum("SELECT SUM(ODEME_TUT) FROM TAKSITS WHERE SATIS_NO=:N", {{"N", r.value(0)}}),
                    r.value(1).toDouble() - std::round(r.value(1).toDouble() * 0.2), 0.005);

    using L = QStringList;
    EXPECT_EQ(kodlar(CariFiltre::Taksit::Taksitli), (L{"M1", "M2", "M3", "M4", "M5"}));
    EXPECT_EQ(kodlar(CariFiltre::Taksit::TaksitBakiyesiOlan), (L{"M1", "M2", "M3"}));
    EXPECT_EQ(kodlar(CariFiltre::Taksit::TaksitiOdemeyen), L{"M4"});
}

} // namespace nimbo::test
