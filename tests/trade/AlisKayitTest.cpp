#include "AlisFixture.h"
#include "db/Errors.h"
#include "model/DocumentError.h"

namespace nimbo::test {

class AlisKayit : public AlisTestBase {};

TEST_F(AlisKayit, SurchargeTwiceAndSpecialTaxOnImportInvoicesOnly)
{
    auto b = yeniAlis("F");
    const int r = alisSatiri(*b, 1, 1, 100);
    b->setLine(r, "VADEFARKI", 2.0);
    EXPECT_NEAR(b->lines().number(r, "KDVSIZTUT"), 102, 1e-9);
    EXPECT_NEAR(b->lines().number(r, "NETKDVSIZTUT"), 104.04, 1e-9);
    EXPECT_NEAR(b->lines().number(r, "NETKDVSIZTUT_USD"), 104.04 / 30, 1e-9);

    // Net 100, ÖTV 10 %, VAT 18 %: only an import invoice (H) takes the tax.
    b->setLine(r, "VADEFARKI", 0.0);
    b->setLine(r, "OTV_VARMI", "V");
    b->setLine(r, "OTV", 10.0);
    EXPECT_NEAR(b->lines().number(r, "OTVTUT"), 0, 1e-12);
    EXPECT_NEAR(b->lines().number(r, "ASILKDV"), 18, 1e-9);
    EXPECT_NEAR(b->headerNumber("OTV_TUTAR"), 0, 1e-12);
    b->setHeader("TIP", "H");
    b->recompute();
    EXPECT_NEAR(b->lines().number(r, "OTVTUT"), 10, 1e-9);
    EXPECT_NEAR(b->lines().number(r, "ASILKDV"), 19.8, 1e-9);
    EXPECT_NEAR(b->headerNumber("OTV_TUTAR"), 10, 1e-9);
    EXPECT_NEAR(b->headerNumber("OTV_TUT_USD"), 10.0 / 30, 1e-9);
    EXPECT_NEAR(b->headerNumber("NETTUT"), 129.8, 1e-9);
    // A line without the flag pays no tax even on an import invoice.
    b->setLine(r, "OTV_VARMI", "Y");
    EXPECT_NEAR(b->headerNumber("OTV_TUTAR"), 0, 1e-12);

    b->setLine(r, "OTV_VARMI", "V");
    b->save();
    // The dispatch part of an import invoice takes the invoice's number.
    EXPECT_EQ(toText(db.scalar("SELECT IRS_NO FROM ALIS")), b->headerText("FAT_NO"));
    EXPECT_NEAR(sum("SELECT OTV_TUTAR FROM ALIS"), 10, 1e-9);
    EXPECT_NEAR(sum("SELECT OTV FROM ALISAYR"), 10, 1e-9);
    EXPECT_NEAR(sum("SELECT ALACAK FROM FINHRK WHERE ISLEM_TIP2='Ş'"), 129.8, 1e-9);
}

TEST_F(AlisKayit, DispatchNoteMovesStockInWithoutFinanceOrCost)
{
    auto b = yeniAlis("İ");
    alisSatiri(*b, 1, 2, 40);
    const int k = alisSatiri(*b, 2, 1, 300);
    b->setLine(k, "BIRIM", "KOLI");
    b->save();
    const Params no{{"N", b->key()}};
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO=:N AND TIP='A' AND BELGETIP='İ'", no), 2);
    EXPECT_NEAR(sum("SELECT GIRMIK FROM STOKHRK WHERE SATISNO=:N AND STOK_NO=2", no), 12, 1e-9);
    EXPECT_NEAR(sum("SELECT FIYAT FROM STOKHRK WHERE SATISNO=:N AND STOK_NO=2", no), 25, 1e-9);
    EXPECT_NEAR(sum("SELECT SUM(CIKMIK) FROM STOKHRK WHERE SATISNO=:N", no), 0, 1e-12);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM MALIFYT"), 0);
}

TEST_F(AlisKayit, InvoicePaidInCashWritesSupplierCreditAndPaymentPair)
{
    auto b = yeniAlis("F");
    b->setHeader("ODE_TIP", "P");
    b->setHeader("KASAKOD", "K01");
    b->setHeader("ACIKLAMA", "Mal");
    alisSatiri(*b, 1, 1, 100);
    b->save();
    const double n = 118;
    auto satir = [&](const char* t1, const char* t2, const char* kolon) {
        return sum(QStringLiteral("SELECT %1 FROM FINHRK WHERE ISLEM_TIP=:A AND ISLEM_TIP2=:B AND BELGE_TIP='A' "
                                  "AND HRK_NO=:N").arg(QLatin1String(kolon)),
                   {{"A", QString::fromUtf8(t1)}, {"B", QString::fromUtf8(t2)}, {"N", b->key()}});
    };
    EXPECT_NEAR(satir("C", "Ş", "ALACAK"), n, 1e-9);
    EXPECT_NEAR(satir("C", "Ş", "BORC"), 0, 1e-12);
    EXPECT_NEAR(satir("C", "A", "BORC"), n, 1e-9);
    EXPECT_NEAR(satir("K", "C", "ALACAK"), n, 1e-9);
    EXPECT_EQ(toText(db.scalar("SELECT CARIKOD FROM FINHRK WHERE ISLEM_TIP='K'")), "M1");
    EXPECT_EQ(toText(db.scalar("SELECT ACIKLAMA FROM FINHRK WHERE ISLEM_TIP2='Ş'")),
              QString("Mal ") + b->headerText("FAT_NO") + " No.lu Alış Faturası Alış İşlemi");
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK"), 3);
    // An invoice has no dispatch part: no movements.
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK"), 0);
    // The money leaves the desk: one cash row the desk and the ledger find by the purchase's number.
    const Params kasa{{"N", b->key()}};
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO=:N AND REF_TIP='C' AND SIRANO=1000000685 AND "
                    "KASAKOD='K01' AND TIP='A' AND HRK_TURU='w' AND KARSIKOD='M1'",
                    kasa),
              1);
    EXPECT_NEAR(sum("SELECT TUTAR FROM KASAHRKT WHERE HRKNO=:N", kasa), n, 1e-9);
    EXPECT_NEAR(sum("SELECT TUTAR_USD FROM KASAHRKT WHERE HRKNO=:N", kasa), n / 30, 1e-9);
    EXPECT_NEAR(sum("SELECT TUTAR_DVZ FROM KASAHRKT WHERE HRKNO=:N", kasa), n, 1e-9);
    // Corrected to a purchase on account: the cash row goes with the payment pair.
    {
        AlisBelgesi d(db);
        d.open(b->key());
        d.setLine(0, "MIKTAR", 2.0);
        d.save();
        EXPECT_NEAR(sum("SELECT TUTAR FROM KASAHRKT WHERE HRKNO=:N", kasa), 2 * n, 1e-9);
        d.setHeader("ODE_TIP", "V");
        d.save();
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK"), 1);

    // A bank transfer: the bank is credited, the supplier debited.
    auto h = yeniAlis("F");
    h->setHeader("ODE_TIP", "H");
    h->setHeader("BANKA_KOD", "B01");
    h->setHeader("HESAP_NO", "123");
    alisSatiri(*h, 1, 1, 50);
    h->save();
    EXPECT_NEAR(sum("SELECT ALACAK FROM FINHRK WHERE ISLEM_TIP='B' AND ISLEM_TIP2='H' AND HRK_NO=:N", {{"N", h->key()}}),
                59, 1e-9);
    EXPECT_NEAR(sum("SELECT BORC FROM FINHRK WHERE ISLEM_TIP='C' AND ISLEM_TIP2='D' AND HRK_NO=:N", {{"N", h->key()}}),
                59, 1e-9);
}

TEST_F(AlisKayit, CostRowsLastPricesAndAverageAfterPurchaseCorrectionAndReturn)
{
    // Rates hold for the earlier days too.
    for (const auto& [d, k] : {std::pair{"USD", 30.0}, {"EUR", 33.0}})
        insert("KURDEGER", {{"DOVIZ_KODU", d}, {"TARIH", QDateTime(gun.addDays(-5), QTime(9, 0))},
                            {"TLDEGERI_ALIS", k}, {"TLDEGERI_SATIS", k}});
    alisYap("F", 1, 10, 20, gun.addDays(-2));
    const double ikinci = alisYap("R", 1, 30, 40, gun.addDays(-1));
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 1), 40, 1e-9);
    EXPECT_NEAR(stokDegeri("ALIS_SON_USD", 1), 40.0 / 30, 1e-9);
    EXPECT_NEAR(stokDegeri("MALIYET_FYT_TL", 1), 35, 1e-9); // (10*20 + 30*40) / 40
    EXPECT_EQ(count("SELECT COUNT(*) FROM MALIFYT WHERE TIP='A' AND ALIS_NO=:N AND BELGETIP='R'", {{"N", ikinci}}), 1);

    // A sales return adds a cost row but leaves the last purchase price.
    alisYap("A", 1, 40, 10);
    EXPECT_EQ(count("SELECT COUNT(*) FROM MALIFYT WHERE BELGETIP='A'"), 1);
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 1), 40, 1e-9);
    EXPECT_NEAR(stokDegeri("MALIYET_FYT_TL", 1), 22.5, 1e-9); // (200 + 1200 + 400) / 80

    // Correcting the second purchase rewrites its cost row, not a second one.
    AlisBelgesi d(db);
    d.open(ikinci);
    d.setLine(0, "FYT_DOVIZ", 60.0);
    d.save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM MALIFYT WHERE ALIS_NO=:N", {{"N", ikinci}}), 1);
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 1), 60, 1e-9);
    EXPECT_NEAR(stokDegeri("MALIYET_FYT_TL", 1), 30, 1e-9); // (200 + 1800 + 400) / 80

    // Two purchases on the same latest day: the larger price is the last one.
    alisYap("F", 2, 1, 7, gun);
    alisYap("F", 2, 1, 9, gun);
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 2), 9, 1e-9);
}

TEST_F(AlisKayit, AutomaticSalePricesOnlyForItemsThatAskForThem)
{
    ayar("ALISTAOTOFYT", "E");
    stokKart(3, "S003", 70, {{"KAR_TIP", "M"}, {"KAR_ORAN", 50.0}});
    exec("UPDATE STOK SET KAR_TIP='A', KAR_ORAN=25, KAR_ORAN_AB=20, KAR_ORAN_B=10 WHERE STOK_NO=1");
    auto b = yeniAlis("F");
    alisSatiri(*b, 1, 1, 80);
    alisSatiri(*b, 2, 1, 80);
    alisSatiri(*b, 3, 2, 30);
    b->save();
    EXPECT_NEAR(stokDegeri("SAT_SKFYT_TL", 1), 100, 1e-9);
    EXPECT_NEAR(stokDegeri("SAT_ABFYT_TL", 1), 96, 1e-9);
    EXPECT_NEAR(stokDegeri("SAT_BFYT_TL", 1), 88, 1e-9);
    EXPECT_NEAR(stokDegeri("SAT_SKFYT_USD", 1), 100.0 / 30, 1e-9);
    EXPECT_NEAR(stokDegeri("SAT_SKFYT_TL", 2), 50, 1e-9); // no KAR_TIP: untouched
    EXPECT_NEAR(stokDegeri("SAT_SKFYT_TL", 3), 45, 1e-9); // from the cost price 30

    // A dispatch note has no invoice part and prices nothing.
    exec("UPDATE STOK SET SAT_SKFYT_TL=1 WHERE STOK_NO=1");
    alisYap("İ", 1, 1, 500);
    EXPECT_NEAR(stokDegeri("SAT_SKFYT_TL", 1), 1, 1e-9);
}

TEST_F(AlisKayit, RefusalsAndFailedWritesLeaveNothingBehind)
{
    const int once = alisSatirlari();
    auto b = yeniAlis("F", "");
    (*prompter)->expectWarn("Cari Kodu Verilmeden Alış Saklanmaz.");
    EXPECT_THROW(b->save(), DocumentError);

    auto f = yeniAlis("F");
    alisSatiri(*f, 1, 1, 10);
    f->setHeader("FAT_NO", "");
    (*prompter)->expectWarn("Fat.No,Fat.Trh .Yazılmadan Saklanamaz.");
    EXPECT_THROW(f->save(), DocumentError);

    auto i = yeniAlis("L");
    alisSatiri(*i, 1, 1, 10);
    i->setHeader("IRS_NO", "");
    (*prompter)->expectWarn("İrs.No/İrs.Trh Yazılmadan Saklanamaz.");
    EXPECT_THROW(i->save(), DocumentError);

    auto n = yeniAlis("F");
    alisSatiri(*n, 1, 1, std::numeric_limits<double>::infinity());
    (*prompter)->expectWarn("1.Satırda Geçersiz Sayı Var. Lütfen Düzeltin.");
    EXPECT_THROW(n->save(), DocumentError);

    // The supplier's credit limit in USD: refused outright with 'D'.
    cari("T1", {{"RISKRITER", "1"}, {"RISK_IRS", "D"}, {"RISBAKTIP", "A"}, {"RISK_LIMITI", 3.0}});
    auto r = yeniAlis("F", "T1");
    alisSatiri(*r, 1, 1, 100); // 118 TL = 3.93 USD
    (*prompter)->expectWarn("T1 Kodlu Hesabın Alacak Risk Limiti Aşıldığı İçin Bu Kayıt Saklanamaz !!!");
    EXPECT_THROW(r->save(), DocumentError);
    EXPECT_EQ(alisSatirlari(), once);

    // A database error half-way rolls back the movements and cost rows too.
    auto ok = yeniAlis("R");
    alisSatiri(*ok, 1, 2, 10);
    ok->save();
    const double no = ok->key().toDouble();
    const int sonra = alisSatirlari();
    AlisBelgesi d(db);
    d.open(no);
    d.setLine(0, "FYT_DOVIZ", 99.0);
    d.setHeader("ACIKLAMA", QString(300, QLatin1Char('x')));
    EXPECT_THROW(d.save(), DbError);
    EXPECT_EQ(alisSatirlari(), sonra);
    EXPECT_NEAR(sum("SELECT MALIYET_TL FROM MALIFYT WHERE ALIS_NO=:N", {{"N", no}}), 10, 1e-9);
    EXPECT_NEAR(stokDegeri("ALIS_SON_TL", 1), 10, 1e-9);
}

// Credit risk on the supplier side is reckoned in USD from the account's USD columns (here
// 40 USD owed, booked when 3000 TL made 40 USD) and not from the local balance at today's
// rate (3000 / 30 = 100 USD), plus its open notes and the papers given to it; a collected
// paper does not count, one endorsed to it does.
TEST_F(AlisKayit, SupplierRiskIsReckonedInUsdFromTheAccountsOwnColumns)
{
    cari("T2", {{"RISKRITER", "3"}, {"RISK_IRS", "U"}, {"RISBAKTIP", "A"}, {"RISK_LIMITI", 100.0}});
    insert("CARIHRK", {{"CARI_NO", 1.0}, {"SIRANO", 1}, {"CARI_KOD", "T2"}, {"TIP", 1}, {"DOVIZ_KODU", "TL"},
                       {"ALACAK", 3000.0}, {"ALACAK_USD", 40.0}, {"BORC", 0.0}, {"BORC_USD", 0.0}});
    insert("CSKART", {{"PORTFOYNO", 1.0}, {"SAHIP", "F"}, {"SON_DURUMU", "P"}, {"CARIKOD", "T2"}, {"TUTAR_USD", 20.0}});
    insert("CSKART", {{"PORTFOYNO", 2.0}, {"SAHIP", "F"}, {"SON_DURUMU", "T"}, {"CARIKOD", "T2"}, {"TUTAR_USD", 500.0}});
    insert("CSKART", {{"PORTFOYNO", 3.0}, {"SAHIP", "M"}, {"SON_DURUMU", "C"}, {"CARIKOD", "M1"}, {"CIRO_CKOD", "T2"},
                      {"TUTAR_USD", 5.0}});
    auto irs = yeniAlis("İ", "T2");
    alisSatiri(*irs, 1, 1, 30); // 35.40 TL = 1.18 USD, not invoiced
    irs->save();

    // 40 + 1.18 + 25 + 23.60 = 89.78 USD: within the limit, saved without a question.
    auto f = yeniAlis("F", "T2");
    alisSatiri(*f, 1, 1, 600);
    EXPECT_NEAR(f->headerNumber("NET_USD"), 23.6, 1e-9);
    f->save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS WHERE CARIKOD='T2'"), 2);

    // The open note is invoiced: it leaves the notes and comes in with the invoice.
    // 40 + 0 + 25 + 47.20 = 112.20 USD: the user is asked and may stop.
    const int once = alisSatirlari();
    auto g = yeniAlis("F", "T2");
    alisSatiri(*g, 1, 1, 1200);
    exec("UPDATE ALIS SET FAT_NO='X1' WHERE ALIS_NO=:N", {{"N", irs->key()}});
    (*prompter)->expectAsk("T2 Alacak Risk Limiti Aşılmış! Buna Rağmen İşlem Devam Etsin mı?", false);
    EXPECT_THROW(g->save(), DocumentError);
    EXPECT_EQ(alisSatirlari(), once);
    // Within the limit once the first invoice's debt is paid in USD.
    insert("CARIHRK", {{"CARI_NO", 2.0}, {"SIRANO", 1}, {"CARI_KOD", "T2"}, {"TIP", 1}, {"DOVIZ_KODU", "TL"},
                       {"BORC", 1000.0}, {"BORC_USD", 20.0}, {"ALACAK", 0.0}, {"ALACAK_USD", 0.0}});
    g->save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS WHERE CARIKOD='T2'"), 3);
}

} // namespace nimbo::test
