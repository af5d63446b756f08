#include "ServicesTestSupport.h"
#include "db/ServerObjects.h"
#include "services/FinansHareketi.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
FinansHareketi sale()
{
    FinansHareketi h;
    h.BELGE_TIP = "S";
    h.FIN_ID = 0;
    h.SIRA_NO = 1;
    h.TIP = "B";
    h.ISLEM_TIP = "C";
    h.ISLEM_TIP2 = "S";
    h.KODU = "C001";
    h.CARIKOD = "C001";
    h.ACIKLAMA = "Satış Faturası A-0042";
    h.BORC = 4320.5;
    h.BORC_DVZ = 100;
    h.DOVIZ_KODU = "USD";
    h.DVZ_KUR = 43.205;
    h.ADI = "Deniz Ticaret";
    h.TARIH = at(2026, 5, 14, 10, 30);
    h.VADE_TRH = at(2026, 6, 13);
    h.BELGE_NO = "A-0042";
    h.PERSON_KOD = "P002";
    h.HRK_NO = 42;
    h.BA_DOVIZ = "TL";
    h.BA_KUR = 1;
    h.BA_BORC = 4320.5;
    return h;
}
} // namespace

class FinanceMovement : public ServicesTest {};

// The row carries the values of the parameters of the same names, month and year of the date;
// it belongs to the caller's transaction and disappears with its rollback.
TEST_F(FinanceMovement, RowWrittenInsideCallersTransaction)
{
    {
        DbTransaction tx(db);
        EXPECT_EQ(FinansHareketiEkle(sale()), 1);
        EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK"), 1); // visible inside
        tx.rollback();
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK"), 0);

    {
        DbTransaction tx(db);
        FinansHareketiEkle(sale());
        FinansHareketi credit = sale();
        credit.SIRA_NO = 2;
        credit.BORC = 0;
        credit.BORC_DVZ = 0;
        credit.ALACAK = 4320.5;
        credit.KODU = "KASA1";
        credit.ISLEM_TIP = "K";
        credit.ISLEM_TIP2 = "G";
        FinansHareketiEkle(credit);
        tx.commit();
    }
    const auto rows = db.records("SELECT * FROM FINHRK ORDER BY SIRA_NO");
    ASSERT_EQ(rows.size(), 2);
    const QSqlRecord& r = rows[0];
    EXPECT_EQ(sqlText(r.value("BELGE_TIP")), "S");
    EXPECT_EQ(sqlText(r.value("ISLEM_TIP2")), "S");
    EXPECT_EQ(sqlText(r.value("KODU")), "C001");
    EXPECT_EQ(sqlText(r.value("ACIKLAMA")), "Satış Faturası A-0042");
    EXPECT_DOUBLE_EQ(r.value("BORC").toDouble(), 4320.5);
    EXPECT_DOUBLE_EQ(r.value("ALACAK").toDouble(), 0);
    EXPECT_DOUBLE_EQ(r.value("BORC_DVZ").toDouble(), 100);
    EXPECT_DOUBLE_EQ(r.value("DVZ_KUR").toDouble(), 43.205);
    EXPECT_EQ(toDateTime(r.value("TARIH")), at(2026, 5, 14, 10, 30));
    EXPECT_EQ(toDate(r.value("VADE_TRH")), QDate(2026, 6, 13));
    EXPECT_EQ(r.value("AY").toInt(), 5);
    EXPECT_EQ(r.value("YIL").toInt(), 2026);
    EXPECT_DOUBLE_EQ(r.value("HRK_NO").toDouble(), 42);
    EXPECT_EQ(sqlText(r.value("PERSON_KOD")), "P002");
    EXPECT_TRUE(r.value("CEK_NO").isNull());
    EXPECT_TRUE(r.value("KODU2").isNull());
    EXPECT_EQ(sqlText(rows[1].value("ISLEM_TIP")), "K");
    EXPECT_DOUBLE_EQ(rows[1].value("ALACAK").toDouble(), 4320.5);

    // A misspelt parameter is refused rather than silently dropped.
    EXPECT_THROW(ServerObjects::SP_INS_FINHRK(db, {{"@KODUU", "C001"}}), UserError);
}
