#include "TicariMuhasebeFixture.h"
#include "ledger/BelgeTurleri.h"
#include "ledger/TopluMuhasebe.h"
#include "model/DocumentError.h"

namespace nimbo::test {

namespace {

// One invoice line: item, quantity, unit price before VAT, VAT %, line discount %.
struct Kalem {
    double stok;
    double miktar;
    double fiyat;
    double kdv = 18;
    double iskonto = 0;
};

struct SatisDurumu {
    const char* ad;
    const char* tip;        // SATIS.TIP
    const char* odeTip;     // "V" on credit, "P" cash at desk K01
    const char* muhKasaTip; // SATIS.MUHKASATIP
    const char* iskDus;     // PARAMET.ISK_DUS
    QList<Kalem> kalemler;
    const char* tur;        // FIS.TUR
    QStringList satirlar;   // the voucher, line by line
};

} // namespace

// The sales voucher for each way an invoice can be paid and discounted: sides, amounts, line
// order, the voucher type, and the desk of a cash invoice found through its finance row.
TEST_F(TicariMuhasebeTest, SalesInvoiceVouchersFollowPaymentDiscountAndReturn)
{
    const QList<SatisDurumu> durumlar{
        {"credit sale 100 + 18", "F", "V", "H", "D", {{1, 1, 100}}, "M",
         {"120.01 B 118", "600.01 A 100", "391.01 A 18"}},
        {"cash sale straight to the desk", "F", "P", "E", "D", {{1, 1, 100}}, "C",
         {"100.01 B 118", "600.01 A 100", "391.01 A 18"}},
        {"cash sale closed against the desk", "F", "P", "H", "D", {{1, 1, 100}}, "M",
         {"120.01 B 118", "600.01 A 100", "391.01 A 18", "120.01 A 118", "100.01 B 118"}},
        {"discount posted apart", "F", "V", "H", "H", {{1, 1, 100, 18, 10}}, "M",
         {"120.01 B 106.2", "611.01 B 10", "600.01 A 100", "391.01 A 16.2"}},
        {"discount netted", "F", "V", "H", "D", {{1, 1, 100, 18, 10}}, "M",
         {"120.01 B 106.2", "600.01 A 90", "391.01 A 16.2"}},
        {"two items on one sales account are not merged", "F", "V", "H", "D", {{1, 1, 100}, {2, 2, 25}}, "M",
         {"120.01 B 177", "600.01 A 100", "391.01 A 18", "600.01 A 50", "391.01 A 9"}},
        {"VAT 0 writes no VAT line", "F", "V", "H", "D", {{1, 1, 100, 0}}, "M", {"120.01 B 100", "600.01 A 100"}},
        {"purchase return issued on the sales side", "A", "V", "H", "D", {{1, 2, 50}}, "M",
         {"120.01 B 118", "153.02 A 100", "391.02 A 18"}},
    };
    for (const SatisDurumu& d : durumlar) {
        SCOPED_TRACE(d.ad);
        ayar("ISK_DUS", QString::fromLatin1(d.iskDus));
        auto b = yeni(QString::fromLatin1(d.tip));
        b->setHeader("ODE_TIP", QString::fromLatin1(d.odeTip));
        b->setHeader("MUHKASATIP", QString::fromLatin1(d.muhKasaTip));
        for (const Kalem& k : d.kalemler) {
            const int r = satir(*b, k.stok, k.miktar, k.fiyat);
            b->setLine(r, "KDV", k.kdv);
            b->setLine(r, "ISKONTO", k.iskonto);
        }
        saklaVeMuhasebelestir(*b);
        const double no = b->key().toDouble();
        const double f = fisNo("SATIS", no);
        ASSERT_GT(f, 0);
        EXPECT_EQ(fisSatirlari(f), d.satirlar);
        const auto h = db.records("SELECT TUR, ENT_TIP, ENT_REF_NO, BELGENO, ACIKLAMA, BORC, ALACAK FROM FIS WHERE FISNO = :f",
                                  {{"f", f}});
        ASSERT_EQ(h.size(), 1);
        EXPECT_EQ(toText(h[0].value("TUR")), QString::fromLatin1(d.tur));
        EXPECT_EQ(toText(h[0].value("ENT_TIP")), "S");
        EXPECT_EQ(h[0].value("ENT_REF_NO").toDouble(), no);
        EXPECT_EQ(toText(h[0].value("BELGENO")), b->headerText("FAT_NO"));
        EXPECT_EQ(toText(h[0].value("ACIKLAMA")), b->headerText("FAT_NO") + " No.lu Satış Faturası");
        EXPECT_NEAR(h[0].value("BORC").toDouble(), h[0].value("ALACAK").toDouble(), 0.001);
    }
}

// Narrations: the account lines carry the invoice, the customer and its code behind the
// movement type's group code; item lines start with the item code.
TEST_F(TicariMuhasebeTest, SalesNarrationsCarryInvoiceCustomerItemAndGroupCode)
{
    exec("INSERT INTO CARIHRKTIP (TIP, AD, GRUP_KOD) VALUES (3, 'Satış', 'ST')");
    auto b = yeni("F");
    b->setHeader("ODE_TIP", "V");
    b->setHeader("CTIP", 3);
    satir(*b, 1, 1, 100);
    saklaVeMuhasebelestir(*b);
    const auto l = db.records("SELECT ACIKLAMA, GRUP1_KOD FROM FISAYR WHERE FISNO = :f ORDER BY SIRANO",
                              {{"f", fisNo("SATIS", b->key().toDouble())}});
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(toText(l[0].value(0)), "(ST)" + b->headerText("FAT_NO")
                                         + " No.lu S.Fat.Müşteri M1 ,M1 Cari kodlu Hesaba Yapılan Satış");
    EXPECT_EQ(toText(l[1].value(0)), "(ST)S001ın Stok Hrk.");
    EXPECT_EQ(toText(l[2].value(0)), "(ST)S001ın KDVsi");
    EXPECT_EQ(toText(l[2].value(1)), "ST");
}

// Codes missing on the cards are listed per item before anything is written: no voucher,
// the invoice stays unposted; a VAT code is not needed where no VAT is charged; filling the
// codes and saving again posts it.
TEST_F(TicariMuhasebeTest, MissingCodesAreListedAndNothingIsWritten)
{
    stokKart(3, "S003", 40);
    auto b = yeni("F");
    b->setHeader("ODE_TIP", "V");
    satir(*b, 3, 1, 40);
    const int r = satir(*b, 1, 1, 100);
    b->setLine(r, "KDV", 0.0);
    exec("UPDATE STOKMUH SET MUH_KDV_S = NULL WHERE STOK_NO = 1");
    exec("UPDATE CARI SET MUH_KOD = '120' WHERE CARI_KOD = 'M1'"); // not a posting account
    (**prompter).expectAsk("Muhasebe Kaydı Yapılsın mı?", true);
    const SaveResult res = b->save();
    const double no = b->key().toDouble();
    const QString nolu = TDMuh::numaraMetni(no) + ".Nolu Satışta ";
    (**prompter).expectWarn("Eksik Muhasebe Kodu Var!\n" + nolu + "M1 M.Kodu Eksik ya da Hatalı\n" + nolu
                            + "S003 Satış M.Kodu Eksik ya da Hatalı\n" + nolu + "S003 Satış KDV M.Kodu Eksik ya da Hatalı");
    runAfterCommitSteps(ledgerSteps(res));
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FISAYR"), 0);
    EXPECT_TRUE(db.scalar("SELECT FIS_NO FROM SATIS").isNull());

    exec("UPDATE CARI SET MUH_KOD = '120.01' WHERE CARI_KOD = 'M1'");
    stokKodlari(3);
    saklaVeMuhasebelestir(*b);
    EXPECT_EQ(fisSatirlari(fisNo("SATIS", no)),
              (QStringList{"120.01 B 147.2", "600.01 A 40", "391.01 A 7.2", "600.01 A 100"}));
}

// A posted invoice corrected and saved again is posted in place without asking (same voucher
// and numbers, new lines); it cannot be deleted while posted, also from a window opened
// before it was posted.
TEST_F(TicariMuhasebeTest, PostedSaleIsRepostedInPlaceAndRefusedOnDelete)
{
    auto b = yeni("F");
    b->setHeader("ODE_TIP", "V");
    const int r = satir(*b, 1, 1, 100);
    saklaVeMuhasebelestir(*b);
    const double no = b->key().toDouble();
    const double f = fisNo("SATIS", no);
    const QVariant numara = db.scalar("SELECT FISNUMARA FROM FIS WHERE FISNO = :f", {{"f", f}});

    // The window still holds the header it saved before the posting.
    b->setLine(r, "MIKTAR", 2.0);
    runAfterCommitSteps(ledgerSteps(b->save()));
    EXPECT_EQ(fisNo("SATIS", no), f);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS"), 1);
    EXPECT_EQ(db.scalar("SELECT FISNUMARA FROM FIS WHERE FISNO = :f", {{"f", f}}), numara);
    EXPECT_EQ(fisSatirlari(f), (QStringList{"120.01 B 236", "600.01 A 200", "391.01 A 36"}));

    SatisBelgesi acik(db);
    acik.open(no);
    (**prompter).expectWarn("Bu Hareketin Muhasebe Kayıt Fişi Var.Yada Faturası Kesilmiş Silinemez.");
    EXPECT_THROW(acik.deleteDocument(), DocumentError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS"), 1);
}

// Dispatch notes have no invoice part: saving one asks nothing, and bulk posting lists only
// the invoices, which it posts (sales and purchases alike).
TEST_F(TicariMuhasebeTest, BulkPostingTakesInvoicesNotDispatchNotes)
{
    auto irs = yeni("İ");
    satir(*irs, 1, 1, 100);
    EXPECT_TRUE(ledgerSteps(irs->save()).isEmpty());
    auto s = yeni("F");
    s->setHeader("ODE_TIP", "V");
    satir(*s, 1, 1, 100);
    EXPECT_EQ(ledgerSteps(s->save()).size(), 1);
    auto a = yeniAlis("F");
    alisSatiri(*a, 2, 3, 10);
    EXPECT_EQ(ledgerSteps(a->save()).size(), 1);

    TopluMuhasebe t(db);
    const auto liste = t.bekleyenler(gun.addDays(-1), gun.addDays(1), {QLatin1Char('S'), QLatin1Char('A')});
    ASSERT_EQ(liste.size(), 2);
    const TopluSonuc sonuc = t.muhasebelestir(liste);
    EXPECT_EQ(sonuc.muhasebelesen, 2);
    EXPECT_EQ(sonuc.reddedilen, 0);
    EXPECT_GT(fisNo("SATIS", s->key().toDouble()), 0);
    EXPECT_GT(fisNo("ALIS", a->key().toDouble()), 0);
    EXPECT_TRUE(db.scalar("SELECT FIS_NO FROM SATIS WHERE SATIS_NO = :n", {{"n", irs->key()}}).isNull());
    EXPECT_EQ(fisSatirlari(fisNo("ALIS", a->key().toDouble())), (QStringList{"320.01 A 35.4", "153.01 B 30", "191.01 B 5.4"}));
}

namespace {

struct AlisDurumu {
    const char* ad;
    const char* tip;
    const char* odeTip;
    const char* muhKasaTip;
    const char* iskDus;
    QList<Kalem> kalemler;
    double otv; // special tax % on every line ("V")
    const char* tur;
    QStringList satirlar;
};

} // namespace

// The purchase voucher by document type, payment and discount handling, with the special
// tax of an import invoice.
TEST_F(TicariMuhasebeTest, PurchaseInvoiceVouchersFollowTypePaymentDiscountAndTax)
{
    const QList<AlisDurumu> durumlar{
        {"credit purchase", "F", "V", "H", "H", {{1, 1, 100}}, 0, "M", {"320.01 A 118", "153.01 B 100", "191.01 B 18"}},
        {"discount posted apart", "F", "V", "H", "H", {{1, 1, 100, 18, 10}}, 0, "M",
         {"320.01 A 106.2", "153.03 A 10", "153.01 B 100", "191.01 B 16.2"}},
        {"discount netted", "F", "V", "H", "D", {{1, 1, 100, 18, 10}}, 0, "M",
         {"320.01 A 106.2", "153.01 B 90", "191.01 B 16.2"}},
        {"import invoice with special tax", "H", "V", "H", "H", {{1, 1, 100}}, 10, "M",
         {"320.01 A 129.8", "153.01 B 100", "193.01 B 10", "191.01 B 19.8"}},
        {"cash purchase straight from the desk", "F", "P", "E", "H", {{1, 1, 100}}, 0, "E",
         {"100.01 A 118", "153.01 B 100", "191.01 B 18"}},
        {"cash purchase closed against the desk", "F", "P", "H", "H", {{1, 1, 100}}, 0, "M",
         {"320.01 A 118", "153.01 B 100", "191.01 B 18", "320.01 B 118", "100.01 A 118"}},
    };
    for (const AlisDurumu& d : durumlar) {
        SCOPED_TRACE(d.ad);
        ayar("ISK_DUS", QString::fromLatin1(d.iskDus));
        auto b = yeniAlis(QString::fromLatin1(d.tip));
        b->setHeader("ODE_TIP", QString::fromLatin1(d.odeTip));
        b->setHeader("KASAKOD", "K01");
        b->setHeader("MUHKASATIP", QString::fromLatin1(d.muhKasaTip));
        for (const Kalem& k : d.kalemler) {
            const int r = alisSatiri(*b, k.stok, k.miktar, k.fiyat);
            b->setLine(r, "KDV", k.kdv);
            b->setLine(r, "ISKONTO", k.iskonto);
            if (d.otv > 0) {
                b->setLine(r, "OTV_VARMI", "V");
                b->setLine(r, "OTV", d.otv);
            }
        }
        saklaVeMuhasebelestir(*b);
        const double f = fisNo("ALIS", b->key().toDouble());
        ASSERT_GT(f, 0);
        EXPECT_EQ(fisSatirlari(f), d.satirlar);
        EXPECT_EQ(toText(db.scalar("SELECT TUR FROM FIS WHERE FISNO = :f", {{"f", f}})), QString::fromLatin1(d.tur));
        EXPECT_EQ(toText(db.scalar("SELECT ACIKLAMA FROM FIS WHERE FISNO = :f", {{"f", f}})),
                  b->headerText("FAT_NO") + " No.lu Alış Faturası");
    }
}

// A supplier without its ledger code refuses the purchase posting with the ledger's message
// and leaves it unposted; the same invoice can be deleted as it was never posted.
TEST_F(TicariMuhasebeTest, PurchaseWithoutSupplierCodeStaysUnposted)
{
    exec("UPDATE CARI SET MUH_KOD2 = NULL WHERE CARI_KOD = 'M1'");
    auto b = yeniAlis("F");
    alisSatiri(*b, 1, 1, 100);
    (**prompter).expectAsk("Muhasebe Kaydı Yapılsın mı?", true);
    (**prompter).expectWarn(TDMuh::eksikKodMesaji());
    runAfterCommitSteps(ledgerSteps(b->save()));
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS"), 0);
    EXPECT_TRUE(db.scalar("SELECT FIS_NO FROM ALIS").isNull());
    (**prompter).expectAsk("Alış Silinsin mi?", true);
    b->deleteDocument();
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS"), 0);
}

} // namespace nimbo::test

namespace nimbo::test {

// A stock slip asked to be posted writes no voucher and says nothing: it stays unposted, and
// bulk posting does not list slips.
TEST_F(TicariMuhasebeTest, StockSlipsStayUnposted)
{
    insert("FISTK", {{"HRKNO", 7.0}, {"TIP", "F"}, {"TARIH", QDateTime(gun, QTime(0, 0))}, {"NETTUT", 100.0}});
    const BelgeTuru* h = BelgeTurleri::tablodan("FISTK");
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(BelgeTurleri::kapsar("FISTK", "F"));
    const MuhasebeSonucu r = BelgeTurleri::muhasebelestir(db, *h, 7, true);
    EXPECT_TRUE(r.basarili);
    EXPECT_LT(r.fisNo, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS"), 0);
    EXPECT_TRUE(db.scalar("SELECT FIS_NO FROM FISTK WHERE HRKNO = 7").isNull());
    EXPECT_TRUE(TopluMuhasebe(db).bekleyenler(gun.addDays(-1), gun.addDays(1), {QLatin1Char('H')}).isEmpty());
}

} // namespace nimbo::test
