#include "SlipTestUtil.h"
#include "stock/DepoMiktarlari.h"
#include "stock/StokFisSilici.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
class StokFisiTest : public SlipTest {};
} // namespace

// A planned transfer moves nothing; marked done it moves the stock out of the source and
// into the target; planned again it takes the movement back.
TEST_F(StokFisiTest, TransferMovesOnlyWhileMarkedDone)
{
    const double item = saveItem(db, "TR-1");
    slip("D", {{item, 10, 5}}, 1);
    StokFisi f(db);
    f.yeni("O");
    EXPECT_EQ(f.baslik().hrkDurum, "E");
    f.baslik().cikDepo = 1;
    f.baslik().girDepo = 2;
    f.satirEkle(item, 4).fytDoviz = 5;
    const double no = f.kaydet().hrkNo;
    EXPECT_DOUBLE_EQ(onHand(item, 1), 10);
    EXPECT_DOUBLE_EQ(onHand(item, 2), 0);
    EXPECT_EQ(movementRows(no), 0);

    f.baslik().hrkDurum = "T";
    f.kaydet();
    EXPECT_DOUBLE_EQ(onHand(item, 1), 6);
    EXPECT_DOUBLE_EQ(onHand(item, 2), 4);
    // Out of the source first, then into the target, both as the slip's rows.
    const auto rows = db.records("SELECT DEPO_KODU, GIRMIK, CIKMIK, CARIKOD, TIP, FIYAT FROM STOKHRK WHERE SATISNO = :N "
                                 "ORDER BY DEPO_KODU",
                                 {{"N", no}});
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].value(0).toInt(), 1);
    EXPECT_DOUBLE_EQ(rows[0].value(2).toDouble(), 4);
    EXPECT_DOUBLE_EQ(rows[1].value(1).toDouble(), 4);
    EXPECT_EQ(sqlText(rows[0].value(3)), "-STOK FİŞİ-");
    EXPECT_EQ(sqlText(rows[1].value(4)), "O");
    EXPECT_DOUBLE_EQ(rows[1].value(5).toDouble(), 5);

    StokFisi again(db);
    again.ac(no);
    again.baslik().hrkDurum = "E";
    again.kaydet();
    EXPECT_DOUBLE_EQ(onHand(item, 1), 10);
    EXPECT_DOUBLE_EQ(onHand(item, 2), 0);
}

// Quantities are in the item's main unit: BIRIM2 with factor 12 moves twelve per unit; a unit
// the item lacks is refused; a line of 0 still writes its row, valued 0.
TEST_F(StokFisiTest, UnitsFactorsAndZeroQuantity)
{
    const double item = saveItem(db, "KOLI", {{"BIRIM1", "ADET"}, {"BIRIM2", "KOLI"}, {"B_KATSAYI2", 12},
                                              {"BIRIM3", "PALET"}, {"B_KATSAYI3", 480}});
    StokFisi f(db);
    f.yeni("D");
    StokFisSatiri& l = f.satirEkle(item, 2, 1);
    l.birim = "KOLI";
    l.fytDoviz = 120; // per box
    f.satirEkle(item, 0, 2).fytDoviz = 7;
    StokFisSatiri& bad = f.satirEkle(item, 1, 1);
    bad.birim = "KG";
    (*prompter)->expectWarn("Birimi, Lütfen Ürün İçin Tanımladığınız Birimlerden Birini Seçiniz.");
    EXPECT_FALSE(runQuietly([&] { f.kaydet(); }));
    EXPECT_FALSE(db.any("SELECT 1 FROM FISTK"));
    bad.birim = "PALET";
    bad.fytDoviz = 0;
    const double no = f.kaydet().hrkNo;

    const auto rows = db.records("SELECT SIRANO, GIRMIK, FIYAT, DEPO_KODU FROM STOKHRK WHERE SATISNO = :N ORDER BY SIRANO",
                                 {{"N", no}});
    ASSERT_EQ(rows.size(), 3);
    EXPECT_DOUBLE_EQ(rows[0].value(1).toDouble(), 24);
    EXPECT_DOUBLE_EQ(rows[0].value(2).toDouble(), 10); // 240 over 24 units
    EXPECT_DOUBLE_EQ(rows[1].value(1).toDouble(), 0);
    EXPECT_DOUBLE_EQ(rows[1].value(2).toDouble(), 0);
    EXPECT_EQ(rows[1].value(3).toInt(), 2);
    EXPECT_DOUBLE_EQ(rows[2].value(1).toDouble(), 480);
    EXPECT_DOUBLE_EQ(onHand(item, 1), 504);
}

// The save refuses in its order and leaves nothing behind: warehouses of a transfer, the
// user's right for each, the done mark, the responsible person, an empty slip.
TEST_F(StokFisiTest, RefusalsInOrderWriteNothing)
{
    const double item = saveItem(db, "RF-1");
    StokFisi f(db);
    f.yeni("O");
    f.baslik().personKod.clear();
    auto refused = [&](const char* text) {
        (*prompter)->expectWarn(QString::fromUtf8(text));
        EXPECT_FALSE(runQuietly([&] { f.kaydet(); })) << text;
    };
    refused("Lütfen Stokların Çıktığı/Girdiği Depoları Aynı Seçmeyin ve Boş Bırakmayın");
    f.baslik().cikDepo = 1;
    f.baslik().girDepo = 1;
    refused("Lütfen Stokların Çıktığı/Girdiği Depoları Aynı Seçmeyin ve Boş Bırakmayın");
    f.baslik().girDepo = 2;
    SessionContext::current().setHak("DEPO2", "E");
    refused("Şube Depo için Hakkınız Yok.");
    SessionContext::current().setHak("DEPO2", "H");
    SessionContext::current().setHak("STKFISDEPTRSFR", "H");
    f.baslik().hrkDurum = "T";
    refused("Yetki Sınırlaması Transfer Edildi Seçimi Yapma Yetkiniz Yok!");
    f.baslik().hrkDurum = "E";
    refused("Lütfen İşlem Sorumlusunu Boş Bırakmayın");
    f.baslik().personKod = "P1";
    refused("Boş Fiş Saklanmaz.");
    EXPECT_FALSE(db.any("SELECT 1 FROM FISTK"));
    EXPECT_FALSE(db.any("SELECT 1 FROM STOKHRK"));

    // A transfer already marked done may be saved again without the switch.
    SessionContext::current().setHak("STKFISDEPTRSFR", "E");
    f.satirEkle(item, 1);
    f.baslik().hrkDurum = "T";
    const double no = f.kaydet().hrkNo;
    SessionContext::current().setHak("STKFISDEPTRSFR", "H");
    StokFisi g(db);
    g.ac(no);
    g.satirlar()[0].miktar = 3;
    g.kaydet();
    EXPECT_DOUBLE_EQ(onHand(item, 2), 3);
}

// A corrected slip's movements follow its lines, and the correction log names the removed
// and added lines.
TEST_F(StokFisiTest, ResaveWithoutALineRemovesItsMovement)
{
    const double a = saveItem(db, "RS-A");
    const double b = saveItem(db, "RS-B");
    const double no = slip("F", {{a, 2, 10}, {b, 3, 20}}, 1);
    EXPECT_DOUBLE_EQ(onHand(a, 1), -2);
    EXPECT_DOUBLE_EQ(onHand(b, 1), -3);
    StokFisi f(db);
    f.ac(no);
    EXPECT_FALSE(f.degisti());
    ASSERT_EQ(f.satirlar().size(), 2);
    f.satirSil(0);
    EXPECT_TRUE(f.degisti());
    f.kaydet();
    EXPECT_DOUBLE_EQ(onHand(a, 1), 0);
    EXPECT_DOUBLE_EQ(onHand(b, 1), -3);
    EXPECT_EQ(movementRows(no), 1);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FISTKAYR WHERE HRKNO = :N", {{"N", no}}).toInt(), 1);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM UISLEM WHERE REFNO = :N AND ACIKLAMA = 'Düzeltmede Silindi.'",
                        {{"N", no}})
                  .toInt(),
              1);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM UISLEM WHERE REFNO = :N AND ACIKLAMA = 'Düzeltmede Eklendi.'",
                        {{"N", no}})
                  .toInt(),
              0);
}

// Slips and sales share the NEWSATIS counter, so numbers never repeat between them; the
// header carries the totals of its lines (VAT added, or taken out of VAT-inclusive prices).
TEST_F(StokFisiTest, NumberingAndTotals)
{
    const double item = saveItem(db, "NM-1", {{"KDV", 20}});
    const double first = slip("D", {{item, 1, 100}});
    const double next = YeniKayitNo(db, "NEWSATIS");
    StokFisi f(db);
    f.yeni("D");
    f.satirEkle(item, 2, 1).fytDoviz = 100;
    StokFisSatiri& incl = f.satirEkle(item, 1, 1);
    incl.fytDoviz = 120;
    incl.kdvDahil = "D";
    const double second = f.kaydet().hrkNo;
    EXPECT_GT(next, first);
    EXPECT_GT(second, next);
    const auto h = db.records("SELECT BRUTTUT, KDVTUT, NETTUT, KULLANICI, CARIKOD FROM FISTK WHERE HRKNO = :N",
                              {{"N", second}});
    EXPECT_DOUBLE_EQ(h[0].value(0).toDouble(), 300);
    EXPECT_DOUBLE_EQ(h[0].value(1).toDouble(), 60);
    EXPECT_DOUBLE_EQ(h[0].value(2).toDouble(), 360);
    EXPECT_EQ(sqlText(h[0].value(3)), "U");
    // The VAT-inclusive line's movement is valued net of VAT.
    EXPECT_DOUBLE_EQ(db.scalar("SELECT FIYAT FROM STOKHRK WHERE SATISNO = :N AND SIRANO = 2", {{"N", second}})
                         .toDouble(),
                     100);
}

// Foreign-currency lines: a USD price takes the slip's USD rate; the movement carries the
// unit value in all three currencies.
TEST_F(StokFisiTest, ForeignCurrencyLine)
{
    const double item = saveItem(db, "FX-1");
    StokFisi f(db);
    f.yeni("D");
    f.baslik().usdFyt = 30;
    f.baslik().eurFyt = 40;
    StokFisSatiri& l = f.satirEkle(item, 2, 1);
    l.fytDoviz = 10;
    f.satirDovizi(0, "USD");
    EXPECT_DOUBLE_EQ(f.satirlar()[0].fiyat, 300);
    EXPECT_DOUBLE_EQ(f.satirlar()[0].fytEur, 7.5);
    const double no = f.kaydet().hrkNo;
    const auto r = db.records("SELECT FIYAT, FYT_USD, FYT_EUR FROM STOKHRK WHERE SATISNO = :N", {{"N", no}});
    EXPECT_DOUBLE_EQ(r[0].value(0).toDouble(), 300);
    EXPECT_DOUBLE_EQ(r[0].value(1).toDouble(), 10);
    EXPECT_DOUBLE_EQ(r[0].value(2).toDouble(), 7.5);
}

// The item's cost is the quantity-weighted average of its cost rows over every slip that
// carries a cost, to four decimals; slips without a cost leave it alone; deleting a slip
// takes its rows out of the average.
TEST_F(StokFisiTest, WeightedAverageCost)
{
    const double item = saveItem(db, "MF-1");
    auto cost = [&] {
        return db.scalar("SELECT MALIYET_FYT_TL FROM STOK WHERE STOK_NO = :S", {{"S", item}}).toDouble();
    };
    slip("D", {{item, 10, 4}});
    EXPECT_DOUBLE_EQ(cost(), 4);
    const double second = slip("T", {{item, 20, 7}});
    EXPECT_DOUBLE_EQ(cost(), 6);
    slip("R", {{item, 5, 100}}); // consumption carries no cost
    EXPECT_DOUBLE_EQ(cost(), 6);
    slip("K", {{item, 3, 1}});
    EXPECT_DOUBLE_EQ(cost(), 5.5455); // 183 / 33
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM MALIFYT WHERE STOK_NO = :S AND TIP = 'F'", {{"S", item}}).toInt(), 3);

    (*prompter)->expectAsk("Kayıt Silnsin mi?", true);
    EXPECT_TRUE(StokFisSilici(db).sil(second));
    EXPECT_DOUBLE_EQ(cost(), 3.3077); // 43 / 13
}

// Deleting: a posted slip is refused; the rights decide who may delete which slip; a
// deleted slip leaves no header, line or movement behind.
TEST_F(StokFisiTest, DeleteRefusalsAndCleanUp)
{
    const double item = saveItem(db, "DL-1");
    const double opening = slip("D", {{item, 5, 1}});
    const double moved = transfer(item, 2, 1, 2);

    db.exec("UPDATE FISTK SET FIS_NO = 77 WHERE HRKNO = :N", {{"N", opening}});
    StokFisSilici s(db);
    try {
        s.sil(opening);
        ADD_FAILURE() << "a posted slip was deleted";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), "Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez.");
    }
    db.exec("UPDATE FISTK SET FIS_NO = NULL WHERE HRKNO = :N", {{"N", opening}});

    // Transfers only: other slips cannot be deleted or corrected.
    SessionContext::current().setHak("STKFISIL", "E");
    SessionContext::current().setHak("STKFISDUZEL", "E");
    try {
        s.sil(opening);
        ADD_FAILURE() << "deleted without the right";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), "Depolar Arası Transfer Yapma Dışında Silme Yetkiniz Yok.");
    }
    const StokFisHaklari h(SessionContext::current());
    EXPECT_EQ(h.duzeltmeEngeli("D"), "Depolar Arası Transfer Yapma Dışında Düzeltme Yetkiniz Yok.");
    EXPECT_EQ(h.duzeltmeEngeli("O"), "");
    SessionContext::current().setHak("STKFISDEPTR", "E");
    EXPECT_EQ(h.duzeltmeEngeli("O"), "Depolar Arası Transfer Fişini Düzeltme Yetkiniz Yok.");
    SessionContext::current().setHak("STKFISDEPTR", "H");

    (*prompter)->expectAsk("Kayıt Silnsin mi?", false);
    EXPECT_FALSE(s.sil(moved));
    EXPECT_EQ(movementRows(moved), 2);
    (*prompter)->expectAsk("Kayıt Silnsin mi?", true);
    EXPECT_TRUE(s.sil(moved));
    EXPECT_EQ(movementRows(moved), 0);
    EXPECT_FALSE(db.any("SELECT 1 FROM FISTK WHERE HRKNO = :N", {{"N", moved}}));
    EXPECT_FALSE(db.any("SELECT 1 FROM FISTKAYR WHERE HRKNO = :N", {{"N", moved}}));
    EXPECT_DOUBLE_EQ(onHand(item, 1), 5);
    EXPECT_EQ(movementRows(opening), 1);
}

// DEPOMIK spreads every item's on-hand quantity over the warehouses' own columns and equals
// the sums of STOKHRK after a mixed run of slips.
TEST_F(StokFisiTest, DepomikEqualsTheMovementSums)
{
    depo(5, "Beşinci");
    const double a = saveItem(db, "DM-A");
    const double b = saveItem(db, "DM-B");
    slip("D", {{a, 10, 1}, {b, 7, 1}}, 1);
    slip("D", {{a, 3, 1}}, 5);
    slip("F", {{a, 1, 1}}, 1);
    slip("Z", {{b, 2, 1}}, 1);
    transfer(a, 4, 1, 2);
    transfer(b, 1, 1, 2);

    for (double item : {a, b}) {
        const QVector<double> row = DepoMiktarlari::depomik(db, item);
        EXPECT_DOUBLE_EQ(row[0], StockQuantities::total(db, item));
        for (int d = 1; d <= 20; ++d)
            EXPECT_DOUBLE_EQ(row[d], onHand(item, d)) << "DEP" << d;
        EXPECT_DOUBLE_EQ(DepoMiktarlari::eldeki(db, item, 1), onHand(item, 1));
    }
    EXPECT_DOUBLE_EQ(DepoMiktarlari::depomik(db, a)[1], 5);
    EXPECT_DOUBLE_EQ(DepoMiktarlari::depomik(db, a)[2], 4);
    EXPECT_DOUBLE_EQ(DepoMiktarlari::depomik(db, a)[5], 3);
    EXPECT_DOUBLE_EQ(DepoMiktarlari::depomik(db, b)[0], 5);
    EXPECT_DOUBLE_EQ(DepoMiktarlari::depomik(db, saveItem(db, "DM-C"))[0], 0);
}

// Lines are found by code, by barcode or by the start of the name; a barcode line that takes
// the item below its critical level warns, and an unknown text adds nothing.
TEST_F(StokFisiTest, AddLineByCodeBarcodeOrName)
{
    const double item = saveItem(db, "BC-1", {{"BARKOD", "8690001"}, {"KRITIK_SEV", 5}, {"STOK_ADI_TR", "Vida M8"}});
    slip("D", {{item, 6, 1}});
    StokFisi f(db);
    f.yeni("F");
    EXPECT_DOUBLE_EQ(f.satirEkleAranan("BC-1", 1, 1).stokNo, item); // by code: no warning
    (*prompter)->expectWarn("Stok Miktarı Kritik Seviyenin Altına Düşecek");
    EXPECT_DOUBLE_EQ(f.satirEkleAranan("8690001", 2, 1).stokNo, item);
    EXPECT_DOUBLE_EQ(f.satirEkleAranan("vida m", 1, 1).stokNo, item);
    EXPECT_THROW(f.satirEkleAranan("YOK-1", 1, 1), UserError);
    EXPECT_EQ(f.satirlar().size(), 3);
    StokFisi in(db);
    in.yeni("D");
    in.satirEkleAranan("8690001", 100, 1); // stock coming in never warns
}
