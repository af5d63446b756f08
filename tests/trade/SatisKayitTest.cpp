#include "SatisFixture.h"
#include "model/DocumentError.h"

namespace nimbo::test {

class SatisKayit : public SatisTestBase {};

TEST_F(SatisKayit, DocumentValuesFollowTheWorkedExampleInThreeCurrencies)
{
    auto b = yeni("F");
    b->setHeader("YUZDE", 5.0);
    const int r = satir(*b, 1, 1, 100);
    b->setLine(r, "ISKONTO", 10.0);
    b->setHeader("INDIRIM", 10.0); // 10 % of the gross of 100
    EXPECT_NEAR(b->headerNumber("INDIR_USD"), 10.0 / 30, 1e-12);
    EXPECT_NEAR(b->headerNumber("YUZDE1"), 10, 1e-12);
    const LineTable& l = b->lines();
    EXPECT_NEAR(l.number(r, "KISKON"), 10, 1e-9);
    EXPECT_NEAR(l.number(r, "YUZDISKON"), 4.5, 1e-9);
    EXPECT_NEAR(l.number(r, "MUSISKON"), 8.55, 1e-9);
    EXPECT_NEAR(l.number(r, "NETKDVSIZTUT"), 76.95, 1e-9);
    EXPECT_NEAR(l.number(r, "NETKDVSIZTUT_USD"), 76.95 / 30, 1e-9);
    EXPECT_NEAR(l.number(r, "NETKDVSIZTUT_EUR"), 76.95 / 33, 1e-9);
    EXPECT_NEAR(b->headerNumber("BRUTTUT"), 100, 1e-9);
    EXPECT_NEAR(b->headerNumber("KALEMISK"), 10, 1e-9);
    EXPECT_NEAR(b->headerNumber("INR_YUZD"), 4.5, 1e-9);
    EXPECT_NEAR(b->headerNumber("KDVTUT"), 76.95 * 0.18, 1e-9);
    EXPECT_NEAR(b->headerNumber("NETTUT"), 76.95 * 1.18, 1e-9);
    EXPECT_NEAR(b->headerNumber("NET_USD"), 76.95 * 1.18 / 30, 1e-9);
    EXPECT_NEAR(b->headerNumber("TOPISKON"), 24.5, 1e-9);

    // Rounding up to whole lira is added to the local total only.
    b->setYuvarlama("Y", 1);
    b->recompute();
    EXPECT_NEAR(b->headerNumber("NETTUT"), 91, 1e-9);
    EXPECT_NEAR(b->headerNumber("YUVARLANAN"), 91 - 76.95 * 1.18, 1e-9);
    EXPECT_NEAR(b->headerNumber("NET_USD"), 76.95 * 1.18 / 30, 1e-9);

    b->save();
    EXPECT_NEAR(sum("SELECT GER_TUT FROM SATISAYR WHERE SIRANO=1"), 76.95, 1e-9);
    EXPECT_NEAR(sum("SELECT ISK_TUT FROM SATISAYR WHERE SIRANO=1"), 23.05, 1e-9);
    EXPECT_NEAR(sum("SELECT NETTUT FROM SATIS"), 91, 1e-9);
    EXPECT_NEAR(sum("SELECT BORC FROM FINHRK WHERE ISLEM_TIP2='S'"), 91, 1e-9);
}

TEST_F(SatisKayit, ItemLinesTakePricesUnitsAndMergeTheSameItem)
{
    exec("UPDATE STOK SET SAT_BIRIM='KOLI', DOVIZ_KODU='USD', SAT_SKFYT_DOVIZ=10, SAT_SKFYT_TL=1 WHERE STOK_NO=2");
    auto b = yeni("F");
    const int r = b->stokEkle(2.0);
    EXPECT_EQ(b->lines().text(r, "BIRIM"), "KOLI");
    EXPECT_EQ(b->lines().text(r, "PARA_BAZ"), "U");
    EXPECT_EQ(b->lines().text(r, "ISLEM_TIP"), "U");
    // The price comes from the item's own currency at the document's rate.
    EXPECT_NEAR(b->lines().number(r, "FIYAT"), 300, 1e-9);
    EXPECT_NEAR(b->lines().number(r, "FYT_USD"), 10, 1e-9);
    EXPECT_NEAR(b->lines().number(r, "FYT_EUR"), 300.0 / 33, 1e-9);
    EXPECT_EQ(b->stokEkle(QString("869S002")), r); // the barcode of the same item merges
    EXPECT_EQ(b->stokEkle(QString("S002")), r);
    EXPECT_DOUBLE_EQ(b->lines().number(r, "MIKTAR"), 3);
    EXPECT_EQ(b->lines().count(), 1);
    EXPECT_EQ(b->stokEkle(QString("YOK")), -1);

    // A unit the item does not have is refused and the line keeps a valid one.
    (*prompter)->expectWarn("Birimi, Lütfen Ürün İçin Tanımladığınız Birimlerden Birini Seçiniz.");
    EXPECT_THROW(b->setLine(r, "BIRIM", "KG"), DocumentError);
    EXPECT_EQ(b->lines().text(r, "BIRIM"), "KOLI");

    // No customer, no line.
    SatisBelgesi bos(db);
    (*prompter)->expectWarn("Lütfen Bir Cari Seçiniz!..");
    EXPECT_THROW(bos.stokEkle(1.0), DocumentError);
}

TEST_F(SatisKayit, CustomerChoiceSetsDiscountPriceListAndCurrency)
{
    cari("M3", {{"FAT_ISK", 7.5}, {"CARI_GRP_KOD", "B"}, {"DOVIZ_KODU", "USD"}, {"ISKGRUP", "G1"}});
    exec("UPDATE STOK SET ISKGRUP='H1' WHERE STOK_NO=1");
    insert("SASEKIL", {{"KODU", "V30"}, {"ADI", "30 gün"}, {"VADEGUN", 30}, {"VFARKYUZDE", 2.0}, {"ISKYUZDE", 4.0}});
    insert("SASEKIL", {{"KODU", "OZL"}, {"ADI", "özel"}, {"VADEGUN", 0}, {"VFARKYUZDE", 0.0}, {"ISKYUZDE", 12.0}});
    insert("ISKGRUP", {{"SIRA", 1}, {"KOSULKOD", "V30"}, {"ISKCARIGRUP", "(G0)(G1)"}, {"ISKSTOKGRUP", "(H1)"}});
    auto b = yeni("F", "M3");
    EXPECT_DOUBLE_EQ(b->headerNumber("YUZDE"), 7.5);
    EXPECT_EQ(b->headerText("SAT_TUR"), "B");
    EXPECT_EQ(b->headerText("DOVIZ_KODU"), "USD");
    EXPECT_DOUBLE_EQ(b->headerNumber("TL_KURDEGER"), 30);
    const int r = b->stokEkle(1.0);
    EXPECT_NEAR(b->lines().number(r, "FIYAT"), 90, 1e-9); // second wholesale price
    EXPECT_EQ(b->lines().text(r, "ODEKOS"), "V30");
    EXPECT_DOUBLE_EQ(b->lines().number(r, "ISKONTO"), 4);
    EXPECT_DOUBLE_EQ(b->lines().number(r, "VADEFARKI"), 2);
    EXPECT_EQ(b->lines().value(r, "VADEGUN").toInt(), 30);
    // A per-customer exception wins over the rule.
    insert("CARIOZISK", {{"CARI_KOD", "M3"}, {"STOK_NO", 2.0}, {"OZELISKOD", "OZL"}});
    exec("UPDATE STOK SET ISKGRUP='H1' WHERE STOK_NO=2");
    const int r2 = b->stokEkle(2.0);
    EXPECT_EQ(b->lines().text(r2, "ODEKOS"), "OZL");
    EXPECT_DOUBLE_EQ(b->lines().number(r2, "ISKONTO"), 12);
    // Items picked together from the list read the exceptions at once and come out the same,
    // their totals included.
    auto toplu = yeni("F", "M3");
    const QList<int> rs = toplu->stoklarEkle({1.0, 2.0});
    EXPECT_EQ(toplu->lines().text(rs[0], "ODEKOS"), "V30");
    EXPECT_EQ(toplu->lines().text(rs[1], "ODEKOS"), "OZL");
    EXPECT_DOUBLE_EQ(toplu->lines().number(rs[1], "ISKONTO"), 12);
    EXPECT_NEAR(toplu->headerNumber("NETTUT"), b->headerNumber("NETTUT"), 1e-9);
    EXPECT_GT(toplu->headerNumber("KALEMISK"), 0);
    // What was read for the pick is not kept: an exception written afterwards counts.
    insert("CARIOZISK", {{"CARI_KOD", "M3"}, {"STOK_NO", 1.0}, {"OZELISKOD", "OZL"}});
    (*prompter)->expectAsk("Kayıt Silnsin mi?", true);
    toplu->removeLine(TicariBelge::kItems, rs[0]);
    EXPECT_EQ(toplu->lines().text(toplu->stokEkle(1.0), "ODEKOS"), "OZL");
}

// Which types write finance rows, which move stock, and how.
TEST_F(SatisKayit, TypeDecidesFinanceRowsAndMovements)
{
    struct Durum {
        const char* tip;
        int finans, hareket;
    };
    const Durum durumlar[] = {{"F", 3, 0}, {"İ", 0, 1}, {"R", 3, 1}, {"L", 0, 1}};
    for (const Durum& d : durumlar) {
        auto b = yeni(QString::fromUtf8(d.tip));
        satir(*b, 1, 2, 100);
        b->save();
        const double no = b->key().toDouble();
        SCOPED_TRACE(d.tip);
        EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND BELGE_TIP='S'", {{"N", no}}), d.finans);
        EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO=:N AND TIP='S'", {{"N", no}}), d.hareket);
        if (d.hareket) {
            EXPECT_DOUBLE_EQ(sum("SELECT CIKMIK FROM STOKHRK WHERE SATISNO=:N", {{"N", no}}), 2);
            EXPECT_DOUBLE_EQ(sum("SELECT GIRMIK FROM STOKHRK WHERE SATISNO=:N", {{"N", no}}), 0);
            EXPECT_NEAR(sum("SELECT FIYAT FROM STOKHRK WHERE SATISNO=:N", {{"N", no}}), 100, 1e-9);
            EXPECT_EQ(sqlText(db.scalar("SELECT BELGETIP FROM STOKHRK WHERE SATISNO=:N", {{"N", no}})),
                      QString::fromUtf8(d.tip));
        }
        if (QString(d.tip) == "R") {
            // An invoice with dispatch takes its dispatch number and date from the invoice.
            EXPECT_EQ(sqlText(db.scalar("SELECT IRS_NO FROM SATIS WHERE SATIS_NO=:N", {{"N", no}})), b->headerText("FAT_NO"));
            EXPECT_EQ(toDate(db.scalar("SELECT IRSTARIH FROM SATIS WHERE SATIS_NO=:N", {{"N", no}})), gun);
        }
    }
}

TEST_F(SatisKayit, CashSaleWritesThreeFinanceRowsAndTheDeskRow)
{
    auto b = yeni("F");
    b->setHeader("ACIKLAMA", "Peşin");
    satir(*b, 1, 1, 100);
    b->save();
    const double no = b->key().toDouble();
    const QString fat = b->headerText("FAT_NO");
    const auto rows = db.records("SELECT ISLEM_TIP, ISLEM_TIP2, KODU, CARIKOD, BORC, ALACAK, FIN_ID, SIRA_NO, ACIKLAMA, "
                                 "ADI, BA_BORC, BA_ALACAK, TIP FROM FINHRK WHERE HRK_NO=:N ORDER BY ISLEM_TIP, ISLEM_TIP2",
                                 {{"N", no}});
    ASSERT_EQ(rows.size(), 3);
    // C/N customer credit, C/S customer debit, K/G desk debit.
    EXPECT_EQ(sqlText(rows[0].value(1)), "N");
    EXPECT_NEAR(rows[0].value(5).toDouble(), 118, 1e-9);
    EXPECT_EQ(sqlText(rows[0].value(8)), "Peşin " + fat + " No.lu Satış Faturası Peşin Ödemesi");
    EXPECT_EQ(sqlText(rows[1].value(1)), "S");
    EXPECT_NEAR(rows[1].value(4).toDouble(), 118, 1e-9);
    EXPECT_EQ(sqlText(rows[1].value(8)), "Peşin " + fat + " No.lu Satış Faturası Satış İşlemi");
    EXPECT_EQ(sqlText(rows[1].value(9)), "Müşteri M1");
    EXPECT_EQ(sqlText(rows[2].value(0)), "K");
    EXPECT_EQ(sqlText(rows[2].value(2)), "K01");
    EXPECT_EQ(sqlText(rows[2].value(3)), "M1");
    EXPECT_EQ(sqlText(rows[2].value(9)), "Merkez Kasa");
    EXPECT_NEAR(rows[2].value(4).toDouble(), 118, 1e-9);
    EXPECT_NEAR(rows[2].value(10).toDouble(), 118, 1e-9);
    // The payment pair has a finance number of its own.
    EXPECT_EQ(rows[0].value(6).toDouble(), rows[2].value(6).toDouble());
    EXPECT_NE(rows[0].value(6).toDouble(), rows[1].value(6).toDouble());
    for (const QSqlRecord& r : rows) {
        EXPECT_DOUBLE_EQ(r.value(7).toDouble(), 1000000575);
        EXPECT_EQ(sqlText(r.value(12)), "F");
    }
    EXPECT_NEAR(sum("SELECT TUTAR FROM KASAHRKT WHERE HRKNO=:N AND REF_TIP='C' AND TIP='B' AND KASAKOD='K01'", {{"N", no}}),
                118, 1e-9);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ODEMES WHERE REFNO=:N AND ODEME_TIP='P' AND KODU='K01'", {{"N", no}}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SEVK WHERE SNO=:N AND ODE_KIM='A'", {{"N", no}}), 1);
}

TEST_F(SatisKayit, BankAndCardSalesBookTheBankInsteadOfTheDesk)
{
    insert("BANKAYR", {{"BANKA_KOD", "B01"}, {"HESAP_NO", "USD1"}, {"DOVIZ_KODU", "USD"}});
    for (const char* o : {"H", "K"}) {
        auto b = yeni("F");
        b->setHeader("ODE_TIP", QString(o));
        satir(*b, 1, 1, 100);
        (*prompter)->expectWarn("Lütfen Bir Banka Seçiniz !");
        EXPECT_THROW(b->save(), DocumentError);
        b->setHeader("BANKA_KOD", "B01");
        b->setHeader("HESAP_NO", "USD1");
        (*prompter)->expectWarn("Bankanın Döviz Tipi Uyumsuz !");
        EXPECT_THROW(b->save(), DocumentError);
        b->setHeader("HESAP_NO", "123");
        b->save();
        const double no = b->key().toDouble();
        SCOPED_TRACE(o);
        EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND ISLEM_TIP='B' AND ISLEM_TIP2=:T AND KODU='B01' "
                        "AND KODU2='123' AND CARIKOD='M1' AND BORC>0",
                        {{"N", no}, {"T", QString(o) == "H" ? "G" : "K"}}),
                  1);
        EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND ISLEM_TIP='C' AND ISLEM_TIP2='L' AND ALACAK>0",
                        {{"N", no}}),
                  1);
        EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO=:N", {{"N", no}}), 0);
    }
}

TEST_F(SatisKayit, ResaveRewritesDerivedRowsAndLogsTheCorrection)
{
    auto b = yeni("R");
    b->setHeader("ODE_TIP", "V");
    satir(*b, 1, 1, 100);
    const int ikinci = satir(*b, 2, 2, 50);
    b->setLine(ikinci, "BIRIM", "KOLI"); // 2 boxes of 12
    b->save();
    const double no = b->key().toDouble();
    EXPECT_DOUBLE_EQ(sum("SELECT CIKMIK FROM STOKHRK WHERE SATISNO=:N AND SIRANO=2", {{"N", no}}), 24);
    EXPECT_NEAR(sum("SELECT FIYAT FROM STOKHRK WHERE SATISNO=:N AND SIRANO=2", {{"N", no}}), 100.0 / 24, 1e-9);
    EXPECT_NEAR(sum("SELECT BORC FROM FINHRK WHERE HRK_NO=:N", {{"N", no}}), 236, 1e-9);

    SatisBelgesi d(db);
    d.open(no);
    EXPECT_FALSE(d.isModified());
    (*prompter)->expectAsk("Kayıt Silnsin mi?", true);
    d.removeLine(TicariBelge::kItems, 1);
    d.save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO=:N", {{"N", no}}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATISAYR WHERE SATIS_NO=:N", {{"N", no}}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N", {{"N", no}}), 1);
    EXPECT_NEAR(sum("SELECT BORC FROM FINHRK WHERE HRK_NO=:N", {{"N", no}}), 118, 1e-9);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Düzeltmede Silindi.'", {{"N", no}}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Düzeltmede Eklendi.'", {{"N", no}}), 0);

    // Quantity 0: a movement of nothing at no price; the stored net amount stays as it was.
    d.setLine(0, "MIKTAR", 0.0);
    d.save();
    EXPECT_DOUBLE_EQ(sum("SELECT CIKMIK FROM STOKHRK WHERE SATISNO=:N", {{"N", no}}), 0);
    EXPECT_DOUBLE_EQ(sum("SELECT FIYAT FROM STOKHRK WHERE SATISNO=:N", {{"N", no}}), 0);
    EXPECT_NEAR(sum("SELECT GER_TUT FROM SATISAYR WHERE SATIS_NO=:N", {{"N", no}}), 100, 1e-9);
}

TEST_F(SatisKayit, NumberChecksRefuseInOrderAndChangeNothing)
{
    auto ilk = yeni("F");
    ilk->setHeader("FAT_NO", "A00050");
    satir(*ilk, 1, 1, 100);
    ilk->save();
    exec("UPDATE SATIS SET FATARIH=:T", {{"T", QDateTime(gun.addDays(5), QTime(0, 0))}});
    const int once = derivedRows();

    auto b = yeni("F");
    satir(*b, 1, 1, 100);
    b->setHeader("FAT_NO", "A00051"); // a later number dated before A00050
    (*prompter)->expectWarn("İlgili Fatura Numarası, Son Fatura Tarihinden Önce Kullanılamaz !");
    EXPECT_THROW(b->save(), DocumentError);
    b->setHeader("FAT_NO", "");
    (*prompter)->expectWarn("Fat.No,Fat.Trh .Yazılmadan Saklanamaz.");
    try {
        b->save();
        ADD_FAILURE();
    } catch (const DocumentError& e) {
        EXPECT_EQ(e.column(), "FAT_NO");
    }
    auto irs = yeni("İ");
    satir(*irs, 1, 1, 100);
    irs->setHeader("IRS_NO", "");
    (*prompter)->expectWarn("İrs.No/İrs.Trh Yazılmadan Saklanamaz.");
    EXPECT_THROW(irs->save(), DocumentError);
    irs->setHeader("IRS_NO", "I7");
    irs->save();
    auto ayni = yeni("İ");
    satir(*ayni, 1, 1, 100);
    ayni->setHeader("IRS_NO", "I7");
    (*prompter)->expectWarn("Bu irsaliye numarası daha önce kullanılmış.Lütfen başka bir irsaliye numarası yazınız...");
    EXPECT_THROW(ayni->save(), DocumentError);
    EXPECT_EQ(derivedRows(), once + 1 + 1 + 1 + 1); // the dispatch note: header, line, movement, shipment
}

TEST_F(SatisKayit, BadInputIsRefusedBeforeAnythingIsWritten)
{
    const int once = derivedRows();
    auto b = yeni("R");
    const int r = satir(*b, 1, 1, 100);
    b->setLine(r, "MIKTAR", -1.0);
    (*prompter)->expectWarn("1.Satırda Miktar Eksi Olamaz.");
    EXPECT_THROW(b->save(), DocumentError);
    b->setLine(r, "MIKTAR", 1.0);
    b->setLine(r, "ISKONTO", std::nan(""));
    (*prompter)->expectWarn("1.Satırda Geçersiz Sayı Var. Lütfen Düzeltin.");
    EXPECT_THROW(b->save(), DocumentError);
    b->setLine(r, "ISKONTO", 0.0);
    // Item and customer deleted by another workstation meanwhile.
    exec("DELETE FROM STOK WHERE STOK_NO=1");
    (*prompter)->expectWarn("1.Satırdaki Ürün Bulunamadı. Başka Bir Kullanıcı Silmiş Olabilir.");
    EXPECT_THROW(b->save(), DocumentError);
    exec("DELETE FROM CARI WHERE CARI_KOD='M1'");
    (*prompter)->expectWarn("M1 Kodlu Cari Bulunamadı. Başka Bir Kullanıcı Silmiş Olabilir.");
    EXPECT_THROW(b->save(), DocumentError);
    EXPECT_EQ(derivedRows(), once);
}

TEST_F(SatisKayit, DatabaseErrorHalfWayRollsEverythingBack)
{
    auto ilk = yeni("R");
    satir(*ilk, 1, 1, 100);
    ilk->save();
    const double no = ilk->key().toDouble();
    const int once = derivedRows();
    SatisBelgesi d(db);
    d.open(no);
    d.setLine(0, "MIKTAR", 5.0);
    // Both engines refuse the over-long remark inside the transaction, after the correction log.
    d.setHeader("ACIKLAMA", QString(300, QLatin1Char('x')));
    EXPECT_THROW(d.save(), DbError);
    EXPECT_EQ(derivedRows(), once);
    EXPECT_DOUBLE_EQ(sum("SELECT CIKMIK FROM STOKHRK WHERE SATISNO=:N", {{"N", no}}), 1);
    EXPECT_DOUBLE_EQ(sum("SELECT MIKTAR FROM SATISAYR WHERE SATIS_NO=:N", {{"N", no}}), 1);
}

TEST_F(SatisKayit, AutomaticNumbersComeFromTheCounter)
{
    exec("UPDATE NEWSATIS SET SABITHARF='FT', FATNO=41, OTOART='O', SABITHARFIRS='IR', IRSNO=7, OTOARTIRS='O'");
    SatisBelgesi b(db);
    b.setHeader("TIP", "R");
    b.otomatikNumaralar();
    EXPECT_EQ(b.headerText("FAT_NO"), "FT41");
    EXPECT_EQ(b.headerText("IRS_NO"), "IR7");
    b.otomatikNumaralar(); // filled fields stay
    EXPECT_EQ(b.headerText("FAT_NO"), "FT41");
    EXPECT_DOUBLE_EQ(sum("SELECT FATNO FROM NEWSATIS"), 42);
    exec("UPDATE NEWSATIS SET OTOARTIRS='F'");
    SatisBelgesi i(db);
    i.setHeader("TIP", "R");
    i.otomatikNumaralar();
    EXPECT_EQ(i.headerText("IRS_NO"), "FT42");
}

} // namespace nimbo::test
