#include "FinansFixture.h"
#include "accounts/CariBakiye.h"
#include "finance/BankaBakiye.h"
#include "finance/BankaHareketListesi.h"
#include "model/DocumentError.h"

namespace nimbo::test {

namespace {

class BankaHareketTest : public FinansTestBase {
protected:
    double bakiye(const QString& hesap)
    {
        const QList<BankaToplam> t = BankaBakiye(db).hesap("ZIRAAT", hesap);
        return t.isEmpty() ? 0 : t.first().bakiyeDvz();
    }
    int satirlar(double no)
    {
        return count("SELECT COUNT(*) FROM BANKHRK WHERE HRK_NO=:N", {{"N", no}})
               + count("SELECT COUNT(*) FROM BANKHRKA WHERE HRK_NO=:N", {{"N", no}})
               + count("SELECT COUNT(*) FROM CARIHRK WHERE REF_NO=:N", {{"N", no}})
               + count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO=:N AND REF_TIP='B'", {{"N", no}})
               + count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND BELGE_TIP='B'", {{"N", no}});
    }
    // Saving refuses with the message (shown once); nothing is written.
    void refused(BankaHareketBelgesi& b, const QString& message)
    {
        (*prompter)->expectWarn(message);
        EXPECT_THROW(b.save(), DocumentError) << message.toStdString();
        EXPECT_EQ(count("SELECT COUNT(*) FROM BANKHRK") + count("SELECT COUNT(*) FROM FINHRK"), 0);
    }
};

} // namespace

TEST_F(BankaHareketTest, IncomingTransferMovesBankAndStatementAndResaveRewritesItsRows)
{
    auto b = yeniBelge("G");
    EXPECT_EQ(b->baslik(), QStringLiteral("Gelen Havaleler"));
    const int r = satir(*b, "TL-1", 1000, true, "C1");
    EXPECT_DOUBLE_EQ(b->lines().number(r, "BORC"), 1000);
    EXPECT_NEAR(b->lines().number(r, "BORC_USD"), 1000.0 / 30, 1e-9);
    EXPECT_DOUBLE_EQ(b->headerNumber("BORC"), 1000);
    const double no = b->save().key.toDouble();
    ASSERT_GT(no, 0);
    const double cariNo = b->cariNo();
    ASSERT_GT(cariNo, 0);

    // The account is credited, the bank debited, in both ledgers.
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE CARI_NO=:C AND SIRANO=1 AND CARI_KOD='C1' AND CRHRK_TUR='G' "
                    "AND REF_NO=:N AND ALACAK=1000 AND TIP=1",
                    {{"C", cariNo}, {"N", no}}),
              1);
    EXPECT_EQ(toText(db.scalar("SELECT ISLEM_TIP2 FROM FINHRK WHERE KODU='ZIRAAT' AND KODU2='TL-1'")), QStringLiteral("G"));
    EXPECT_EQ(toText(db.scalar("SELECT ISLEM_TIP2 FROM FINHRK WHERE KODU='C1'")), QStringLiteral("L"));
    EXPECT_DOUBLE_EQ(bakiye("TL-1"), 1000);
    CariToplam t = CariBakiye(db).toplam("C1");
    EXPECT_EQ(CariBakiye::metin(t.borc, t.alacak), QStringLiteral("1.000,00 (A)"));

    // Correction: the amount becomes 1200 and a second customer pays 50 USD into the USD account.
    BankaHareketBelgesi c(db, "G");
    c.open(no);
    ASSERT_EQ(c.lines().count(), 1);
    EXPECT_EQ(c.lines().text(0, BankaHareketBelgesi::kBankaHesap), QStringLiteral("ZIRAAT\tTL-1"));
    c.setLine(0, "BORC_DVZ", 1200.0);
    const int usd = satir(c, "USD-1", 50, true, "C2");
    EXPECT_EQ(c.lines().text(usd, "DOVIZ_KODU"), QStringLiteral("USD")); // the account's currency
    EXPECT_DOUBLE_EQ(c.lines().number(usd, "BORC"), 1500);
    c.save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE REF_NO=:N", {{"N", no}}), 2);
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM CARIHRK WHERE CARI_KOD='C1' AND REF_NO=:N", {{"N", no}}), 1200);
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK_DVZ FROM CARIHRK WHERE CARI_KOD='C2' AND REF_NO=:N", {{"N", no}}), 50);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND BELGE_TIP='B'", {{"N", no}}), 4);
    EXPECT_DOUBLE_EQ(bakiye("TL-1"), 1200);
    EXPECT_DOUBLE_EQ(bakiye("USD-1"), 50);
    EXPECT_DOUBLE_EQ(sum("SELECT BORC FROM BANKHRK WHERE HRK_NO=:N", {{"N", no}}), 2700);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Düzeltmede Silindi.'", {{"N", no}}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Düzeltmede Eklendi.'", {{"N", no}}), 2);

    // The list shows it with its type's name.
    const ListQuery q = BankaHareketListesi::sorgu({"G", kGun, kGun, {}, "ZIRAAT"});
    const auto rows = db.records(q.orderedSql(db.dialect()), q.params);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(toText(rows.first().value("TIP_ADI")), QStringLiteral("Gelen Havaleler"));
    const ListQuery giden = BankaHareketListesi::sorgu({"H", {}, {}, {}, {}});
    EXPECT_TRUE(db.records(giden.orderedSql(db.dialect()), giden.params).isEmpty());

    BankaHareketBelgesi d(db, "G");
    d.open(no);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    d.deleteDocument();
    EXPECT_EQ(satirlar(no), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Bnk.Hrk.Silindi.'", {{"N", no}}), 1);
    t = CariBakiye(db).toplam("C1");
    EXPECT_EQ(CariBakiye::metin(t.borc, t.alacak), QStringLiteral("---   "));
}

TEST_F(BankaHareketTest, CardCollectionBooksGrossLessCommission)
{
    auto b = yeniBelge("K");
    const int r = b->addLine();
    b->setLine(r, BankaHareketBelgesi::kBankaHesap, BankaHareketBelgesi::bankaHesapDegeri("ZIRAAT", "POS-1"));
    EXPECT_DOUBLE_EQ(b->lines().number(r, "KRDKMSYN"), 2); // the POS account's rate
    b->setLine(r, "CARI_KOD", "C1");
    b->setLine(r, "CTIP", 1);
    b->setLine(r, "KRDKMSYN_TUT", 1000.0);
    EXPECT_DOUBLE_EQ(b->lines().number(r, "BORC_DVZ"), 980);
    EXPECT_DOUBLE_EQ(b->lines().number(r, "BORC"), 980);
    EXPECT_DOUBLE_EQ(b->lines().number(r, "KREDIKMSYNTL"), 20);
    EXPECT_DOUBLE_EQ(b->lines().number(r, "KREDIKMSYNUSD"), 20.0 / 30);
    EXPECT_EQ(b->lines().text(r, "ACIKLAMA"),
              QStringLiteral("-Kredi Komisyon Bedeli (20,00 TL) Cari Borç Tutarına Eklenmiştir."));

    // A rate that is missing or no number is refused before anything is written.
    b->setLine(r, "KRDKMSYN", QString());
    EXPECT_TRUE(b->lines().text(r, "ACIKLAMA").isEmpty()); // no commission, no such description
    refused(*b, QStringLiteral("Kredi Kartı Komisyon Oranını Giriniz !"));
    b->setLine(r, "KRDKMSYN", QStringLiteral("iki"));
    refused(*b, QStringLiteral("Kredi Kartı Komisyon Oranı Hatalı !"));
    b->setLine(r, "KRDKMSYN", QStringLiteral("2,5"));
    EXPECT_DOUBLE_EQ(b->lines().number(r, "BORC_DVZ"), 975);

    const double no = b->save().key.toDouble();
    EXPECT_DOUBLE_EQ(bakiye("POS-1"), 975);
    EXPECT_EQ(toText(db.scalar("SELECT ISLEM_TIP2 FROM FINHRK WHERE KODU='ZIRAAT'")), QStringLiteral("K"));
    // The account is credited with what the bank booked: the commission stays on its debt.
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM CARIHRK WHERE REF_NO=:N AND CRHRK_TUR='K'", {{"N", no}}), 975);
    EXPECT_DOUBLE_EQ(sum("SELECT KREDIKMSYNTL FROM BANKHRKA WHERE HRK_NO=:N", {{"N", no}}), 25);
}

TEST_F(BankaHareketTest, CashDepositsAndWithdrawalsMoveTheDesks)
{
    auto b = yeniBelge("I");
    satir(*b, "TL-1", 500, true, {}, "K01");   // cash deposited: the desk pays
    satir(*b, "TL-1", 200, false, {}, "K01");  // cash withdrawn: the desk receives
    satir(*b, "USD-1", 10, false, {}, "K02");  // dollars into the dollar desk
    satir(*b, "USD-1", 3, false, {}, "K01");   // dollars changed into the lira desk
    const double no = b->save().key.toDouble();

    auto kasa = [&](const char* where) {
        return db.records(QStringLiteral("SELECT TIP, TUTAR, TUTAR_DVZ, DOVIZ_KOD, KARSIKOD, ACIKLAMA1, REFAYRTIP, "
                                         "HRK_TURU FROM KASAHRKT WHERE HRKNO=:N AND REF_TIP='B' AND %1")
                              .arg(QLatin1String(where)),
                          {{"N", no}});
    };
    const auto yatan = kasa("SIRANO=1");
    ASSERT_EQ(yatan.size(), 1);
    EXPECT_EQ(toText(yatan.first().value("TIP")), QStringLiteral("A"));
    EXPECT_DOUBLE_EQ(yatan.first().value("TUTAR").toDouble(), 500);
    EXPECT_EQ(toText(yatan.first().value("KARSIKOD")), QStringLiteral("ZIRAAT"));
    EXPECT_EQ(toText(yatan.first().value("ACIKLAMA1")), QStringLiteral("TL-1"));
    EXPECT_EQ(toText(yatan.first().value("REFAYRTIP")), QStringLiteral("I"));
    EXPECT_EQ(toText(yatan.first().value("HRK_TURU")), QStringLiteral("w"));
    EXPECT_EQ(toText(kasa("SIRANO=2").first().value("TIP")), QStringLiteral("B"));
    const auto dolar = kasa("SIRANO=3");
    EXPECT_DOUBLE_EQ(dolar.first().value("TUTAR_DVZ").toDouble(), 10);
    EXPECT_EQ(toText(dolar.first().value("DOVIZ_KOD")), QStringLiteral("USD"));
    const auto bozdurulan = kasa("SIRANO=4");
    EXPECT_DOUBLE_EQ(bozdurulan.first().value("TUTAR_DVZ").toDouble(), 90);
    EXPECT_EQ(toText(bozdurulan.first().value("DOVIZ_KOD")), QStringLiteral("TL"));

    // The finance ledger: the bank's side and the desk's, the desk in its own currency.
    EXPECT_EQ(toText(db.scalar("SELECT ISLEM_TIP2 FROM FINHRK WHERE KODU='ZIRAAT' AND SIRA_NO=1")), QStringLiteral("Y"));
    EXPECT_EQ(toText(db.scalar("SELECT ISLEM_TIP2 FROM FINHRK WHERE KODU='ZIRAAT' AND SIRA_NO=2")), QStringLiteral("C"));
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(BORC_DVZ) - SUM(ALACAK_DVZ) FROM FINHRK WHERE ISLEM_TIP='K' AND KODU='K01'"), -300 + 90);
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(BORC_DVZ) FROM FINHRK WHERE ISLEM_TIP='K' AND KODU='K02'"), 10);
    EXPECT_DOUBLE_EQ(bakiye("TL-1"), 300);
    EXPECT_DOUBLE_EQ(bakiye("USD-1"), -13);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK"), 0);
}

TEST_F(BankaHareketTest, BadLinesAreRefusedAndNothingIsWritten)
{
    auto b = yeniBelge("H");
    refused(*b, QStringLiteral("Dikkat Hareket Kaydı olmadan Kayıt Yapılmaz"));
    const int r = satir(*b, "USD-1", 100, false, "C1");
    b->setLine(r, "DOVIZ_KODU", "TL"); // the document's line in lira on a dollar account
    refused(*b, QStringLiteral("Döviz Tipi Uyumsuz  !"));
    b->setLine(r, "DOVIZ_KODU", QString());
    refused(*b, QStringLiteral("Lütfen Döviz Kodunu Seçiniz."));
    b->setLine(r, "DOVIZ_KODU", "USD");
    b->setLine(r, "HESAP_NO", "YOK");
    refused(*b, QStringLiteral("Hesap No.su Olmayan Kayıt Seçilemez."));
    b->setLine(r, "HESAP_NO", "USD-1");
    b->setLine(r, "CTIP", -1);
    refused(*b, QStringLiteral("Cari İşlem tipini seçmeden harekette değişiklik yapamazsınız..."));
    b->setLine(r, "CTIP", 1);
    b->setLine(r, "CARI_KOD", "YOK");
    refused(*b, QStringLiteral("Lütfen Geçerli Cari Kod Seçin"));
    b->setLine(r, "CARI_KOD", "C1");
    b->setLine(r, "KASAKOD", "K99");
    refused(*b, QStringLiteral("Kasa Kodu Seçilmelidir !"));
    b->setLine(r, "KASAKOD", QString());
    b->setLine(r, "ALACAK_DVZ", 0.0);
    refused(*b, QStringLiteral("Tutar Girilmeden Hareket Kaydı Yapılamaz"));

    // An account over its stopping risk limit: the outgoing transfer debits it.
    exec("UPDATE CARI SET RISKRITER='B', RISK_DIG='D', RISBAKTIP='B', RISK_LIMITI=50 WHERE CARI_KOD='C1'");
    b->setLine(r, "ALACAK_DVZ", 100.0);
    refused(*b, QStringLiteral("C1 Kodlu Hesabın Borç Risk Limiti Aşıldığı İçin Bu Kayıt Saklanamaz !!!"));
    exec("UPDATE CARI SET RISK_LIMITI=5000 WHERE CARI_KOD='C1'");
    b->save();
    EXPECT_EQ(toText(db.scalar("SELECT ISLEM_TIP2 FROM FINHRK WHERE KODU='ZIRAAT'")), QStringLiteral("H"));
    EXPECT_DOUBLE_EQ(sum("SELECT BORC FROM FINHRK WHERE KODU='C1'"), 3000);
}

TEST_F(BankaHareketTest, MatchedOrPostedDocumentsStay)
{
    auto b = yeniBelge("G");
    satir(*b, "TL-1", 700, true, "C1");
    satir(*b, "TL-1", 300, true, "C2");
    const double no = b->save().key.toDouble();
    const double cariNo = b->cariNo();
    exec("INSERT INTO CODEKAP (CARI_NO, SIRANO, CRHRK_TUR, KCARI_NO, CARI_KOD) VALUES (:C, 1, 'G', 99, 'C1')",
         {{"C", cariNo}});

    BankaHareketBelgesi d(db, "G");
    d.open(no);
    (*prompter)->expectWarn("Bu Hareketin Ödemeleri Kapanmış.Önce Ödemeleri İptal Edin.");
    EXPECT_THROW(d.deleteDocument(), DocumentError);
    (*prompter)->expectWarn("Borç Kapama İşlemi Yapılmış Bu Kaydın Silinmesi için Borç Kapama İşlemi Geri Alınmalıdır.");
    EXPECT_THROW(d.removeLine(DocumentModel::kItems, 0), DocumentError);
    // The other line may change; the matched movement stays as it was.
    d.setLine(1, "BORC_DVZ", 350.0);
    d.save();
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM CARIHRK WHERE CARI_NO=:C AND SIRANO=1", {{"C", cariNo}}), 700);
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM CARIHRK WHERE CARI_NO=:C AND SIRANO=2", {{"C", cariNo}}), 350);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE CARI_NO=:C", {{"C", cariNo}}), 2);

    exec("DELETE FROM CODEKAP");
    exec("UPDATE BANKHRK SET FIS_NO=12 WHERE HRK_NO=:N", {{"N", no}});
    BankaHareketBelgesi p(db, "G");
    p.open(no);
    (*prompter)->expectWarn("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez.");
    EXPECT_THROW(p.deleteDocument(), DocumentError);
    (*prompter)->expectAsk("Silinsin mi?.", false);
    EXPECT_THROW(p.removeLine(DocumentModel::kItems, 0), DocumentError);
    EXPECT_EQ(satirlar(no), 1 + 2 + 2 + 4);
}

// A rounding row is marked only where it stands against a ledger account alone, and then
// leaves the bank balance as the ledger leaves the bank; every other line is stored "H".
TEST_F(BankaHareketTest, RoundingRowsStandAgainstALedgerAccountAndLeaveTheBankBalance)
{
    auto b = yeniBelge("I");
    const int gelir = satir(*b, "TL-1", 100, true);
    b->setLine(gelir, "MUH_KARSI", "649.01");
    EXPECT_EQ(b->lines().text(gelir, "KUSURAT"), QStringLiteral("H"));
    const int kusurat = satir(*b, "TL-1", 0.4, false);
    b->setLine(kusurat, "MUH_KARSI", "659.01");
    b->setLine(kusurat, "KUSURAT", "E");
    const int cari = satir(*b, "TL-1", 5, true, "C1");
    b->setLine(cari, "KUSURAT", "E"); // an account's line moves the bank: no rounding row
    const int kasa = satir(*b, "TL-1", 7, false);
    b->setLine(kasa, "KUSURAT", "E");
    b->setLine(kasa, "KASAKOD", "K01"); // a desk named later takes the mark away too
    EXPECT_EQ(b->lines().text(kusurat, "KUSURAT"), QStringLiteral("E"));
    EXPECT_EQ(b->lines().text(cari, "KUSURAT"), QStringLiteral("H"));
    EXPECT_EQ(b->lines().text(kasa, "KUSURAT"), QStringLiteral("H"));
    const double no = b->save().key.toDouble();

    const auto kayit = db.records("SELECT SIRANO, KUSURAT FROM BANKHRKA WHERE HRK_NO=:N ORDER BY SIRANO", {{"N", no}});
    ASSERT_EQ(kayit.size(), 4);
    const QStringList beklenen{"H", "E", "H", "H"};
    for (int i = 0; i < kayit.size(); ++i)
        EXPECT_EQ(toText(kayit[i].value(1)), beklenen[i]) << "line " << i + 1;
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND BELGE_TIP='B' AND SIRA_NO=2", {{"N", no}}), 0);
    EXPECT_DOUBLE_EQ(bakiye("TL-1"), 100 + 5 - 7);

    // The mark stays through a correction; taken off, the row moves the bank again.
    BankaHareketBelgesi c(db, "I");
    c.open(no);
    EXPECT_EQ(c.lines().text(1, "KUSURAT"), QStringLiteral("E"));
    c.setLine(0, "BORC_DVZ", 120.0);
    c.save();
    EXPECT_DOUBLE_EQ(bakiye("TL-1"), 120 + 5 - 7);
    c.setLine(1, "KUSURAT", "H");
    c.save();
    EXPECT_DOUBLE_EQ(bakiye("TL-1"), 120 - 0.4 + 5 - 7);
    EXPECT_EQ(toText(db.scalar("SELECT KUSURAT FROM BANKHRKA WHERE HRK_NO=:N AND SIRANO=2", {{"N", no}})),
              QStringLiteral("H"));

    // A transfer posts both sides of every row: none of its lines is a rounding row.
    auto v = yeniBelge("V");
    const int r = satir(*v, "TL-1", 10, false);
    v->setLine(r, "MUH_KARSI", "102.03");
    v->setLine(r, "KUSURAT", "E");
    EXPECT_EQ(v->lines().text(r, "KUSURAT"), QStringLiteral("H"));
}

} // namespace nimbo::test
