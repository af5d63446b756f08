#include "FinansFixture.h"
#include "accounts/CariBakiye.h"
#include "db/Errors.h"
#include "finance/FinansBelgesi.h"
#include "model/DocumentError.h"

namespace nimbo::test {

namespace {

class FinansBelgesiTest : public FinansTestBase {
protected:
    std::unique_ptr<FinansBelgesi> yeni(const QString& tip, const QString& tip2, const QString& kod)
    {
        auto b = std::make_unique<FinansBelgesi>(db, tip, tip2);
        b->setHeader("ISLEM_TRH", kGun);
        b->setHeader("KODU", kod);
        return b;
    }
    static int satir(FinansBelgesi& b, const QString& kod, double tutar)
    {
        const int r = b.addLine();
        b.setLine(r, "KODU", kod);
        b.setLine(r, FinansBelgesi::kTutar, tutar);
        return r;
    }
    // A paper received: serial number, debtor and due date.
    static int cek(FinansBelgesi& b, const QString& seri, double tutar)
    {
        const int r = satir(b, seri, tutar);
        b.setLine(r, "ADI", QStringLiteral("Borçlu ") + seri);
        b.setLine(r, "VADE_TRH", QDate(2026, 6, 1));
        return r;
    }
    static int cekSatiri(FinansBelgesi& b, double portfoyNo)
    {
        const int r = b.addLine();
        b.setLine(r, "CEK_NO", portfoyNo);
        return r;
    }
    double portfoy(const QString& seri)
    {
        return sum("SELECT PORTFOYNO FROM CSKART WHERE SERI_NO=:S", {{"S", seri}});
    }
    QString durum(double portfoyNo)
    {
        return toText(db.scalar("SELECT SON_DURUMU FROM CSKART WHERE PORTFOYNO=:P", {{"P", portfoyNo}})).trimmed();
    }
    // FINHRK rows of the document that do not equal a line (or the header for SIRA_NO -1).
    int aynaFarki(int finId)
    {
        const Params p{{"N", finId}};
        const int satirlar = count("SELECT COUNT(*) FROM FINDET D WHERE D.FIN_ID=:N AND NOT EXISTS (SELECT 1 FROM FINHRK H "
                                   "WHERE H.BELGE_TIP='F' AND H.FIN_ID=D.FIN_ID AND H.SIRA_NO=D.SIRA_NO AND H.KODU=D.KODU "
                                   "AND H.ISLEM_TIP=D.TIP AND H.ISLEM_TIP2=D.TIP2 AND H.BORC=D.BORC AND H.ALACAK=D.ALACAK "
                                   "AND H.BORC_DVZ=D.BORC_DVZ AND H.ALACAK_DVZ=D.ALACAK_DVZ AND H.DVZ_KUR=D.DVZ_KUR "
                                   "AND H.BA_BORC=D.BA_BORC AND H.BA_ALACAK=D.BA_ALACAK)",
                                   p);
        const int fazla = count("SELECT COUNT(*) FROM FINHRK H WHERE H.BELGE_TIP='F' AND H.FIN_ID=:N AND H.SIRA_NO>0 "
                                "AND H.SIRA_NO<100000 AND NOT EXISTS (SELECT 1 FROM FINDET D WHERE D.FIN_ID=H.FIN_ID "
                                "AND D.SIRA_NO=H.SIRA_NO)",
                                p);
        const int ana = count("SELECT COUNT(*) FROM FINMAST M WHERE M.FIN_ID=:N AND NOT EXISTS (SELECT 1 FROM FINHRK H "
                              "WHERE H.BELGE_TIP='F' AND H.FIN_ID=M.FIN_ID AND H.SIRA_NO=-1 AND H.KODU=M.KODU "
                              "AND H.BORC=M.BORC AND H.ALACAK=M.ALACAK AND H.BA_BORC=M.BA_BORC)",
                              p);
        return satirlar + fazla + ana;
    }
    int belgeSatirlari()
    {
        return count("SELECT COUNT(*) FROM FINMAST") + count("SELECT COUNT(*) FROM FINDET")
               + count("SELECT COUNT(*) FROM FINHRK WHERE BELGE_TIP='F'");
    }
    void refused(FinansBelgesi& b, const QString& message)
    {
        const int once = belgeSatirlari();
        (*prompter)->expectWarn(message);
        EXPECT_THROW(b.save(), DocumentError) << message.toStdString();
        EXPECT_EQ(belgeSatirlari(), once) << message.toStdString();
    }
    void failingTrigger(const QString& table, const QString& when)
    {
        DbTransaction tx(db);
        if (db.dialect().isSqlite()) {
            db.exec(QStringLiteral("CREATE TRIGGER T_FAIL BEFORE INSERT ON %1 WHEN %2 BEGIN SELECT RAISE(ABORT, "
                                   "'yazılamadı'); END")
                        .arg(table, when));
        } else {
            db.exec("CREATE FUNCTION F_FAIL() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION 'yazılamadı'; END $$ "
                    "LANGUAGE plpgsql");
            db.exec(QStringLiteral("CREATE TRIGGER T_FAIL BEFORE INSERT ON %1 FOR EACH ROW WHEN (%2) EXECUTE FUNCTION "
                                   "F_FAIL()")
                        .arg(table, when));
        }
        tx.commit();
    }
};

} // namespace

TEST_F(FinansBelgesiTest, CollectionIntoTwoCashDesksMirrorsEveryLineAndFollowsCorrectionAndDeletion)
{
    auto b = yeni("C", "N", "C1");
    EXPECT_EQ(b->baslik(), QStringLiteral("Cari Nakit Tahsilat"));
    EXPECT_EQ(b->headerText("ADI"), QStringLiteral("Firma C1"));
    const int tl = satir(*b, "K01", 100);
    const int usd = satir(*b, "K02", 10);
    EXPECT_EQ(b->lines().text(tl, "TIP") + b->lines().text(tl, "TIP2"), QStringLiteral("KG"));
    // A line in the local currency stays at rate 1 whatever is typed; the USD desk's line
    // takes its currency and the rate of the day.
    b->setLine(tl, "DVZ_KUR", 5.0);
    EXPECT_DOUBLE_EQ(b->lines().number(tl, "DVZ_KUR"), 1);
    EXPECT_EQ(b->lines().text(usd, "DOVIZ_KODU"), QStringLiteral("USD"));
    EXPECT_DOUBLE_EQ(b->lines().number(usd, "DVZ_KUR"), 30);
    EXPECT_DOUBLE_EQ(b->lines().number(usd, "BORC"), 300);
    EXPECT_DOUBLE_EQ(b->headerNumber("ALACAK"), 400);
    EXPECT_DOUBLE_EQ(b->headerNumber("BORC"), 0);
    const int no = b->save().key.toInt();
    ASSERT_GT(no, 0);

    // One row for the account (SIRA_NO -1), one per desk, on the account's credit side.
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE FIN_ID=:N AND BELGE_TIP='F'", {{"N", no}}), 3);
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM FINHRK WHERE FIN_ID=:N AND SIRA_NO=-1 AND KODU='C1' AND ISLEM_TIP='C' "
                         "AND ISLEM_TIP2='N' AND HRK_NO=:N",
                         {{"N", no}}),
                     400);
    EXPECT_DOUBLE_EQ(sum("SELECT BA_BORC FROM FINHRK WHERE FIN_ID=:N AND KODU='K02'", {{"N", no}}), 10);
    EXPECT_DOUBLE_EQ(sum("SELECT DVZ_KUR FROM FINDET WHERE FIN_ID=:N AND KODU='K01'", {{"N", no}}), 1);
    EXPECT_EQ(aynaFarki(no), 0);
    CariToplam t = CariBakiye(db).toplam("C1");
    EXPECT_EQ(CariBakiye::metin(t.borc, t.alacak), QStringLiteral("400,00 (A)"));

    // Correction: the TL desk takes 150, the USD line goes, a second TL line is added.
    FinansBelgesi c(db, {}, {});
    c.open(no);
    ASSERT_EQ(c.lines().count(), 2);
    EXPECT_DOUBLE_EQ(c.lines().number(1, FinansBelgesi::kTutar), 10);
    c.setLine(0, FinansBelgesi::kTutar, 150.0);
    c.lines().remove(1);
    const int yeniSatir = satir(c, "K01", 25);
    EXPECT_EQ(c.lines().number(yeniSatir, "SIRA_NO"), 3);
    c.save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE FIN_ID=:N AND BELGE_TIP='F'", {{"N", no}}), 3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE FIN_ID=:N AND KODU='K02'", {{"N", no}}), 0);
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM FINHRK WHERE FIN_ID=:N AND SIRA_NO=-1", {{"N", no}}), 175);
    EXPECT_EQ(aynaFarki(no), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Düzeltmede Silindi.'", {{"N", no}}), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Düzeltmede Eklendi.'", {{"N", no}}), 2);

    // Deleting: No keeps everything, Yes leaves nothing.
    (*prompter)->expectAsk("Kayıt Silinsin mi?", false);
    EXPECT_FALSE(FinansBelgesi::sil(db, no));
    EXPECT_EQ(belgeSatirlari(), 1 + 2 + 3);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(FinansBelgesi::sil(db, no));
    EXPECT_EQ(belgeSatirlari(), 0);
    t = CariBakiye(db).toplam("C1");
    EXPECT_DOUBLE_EQ(t.alacak, 0);
}

TEST_F(FinansBelgesiTest, ChequesMoveThroughThePortfolioAndDeletionStepsThemBack)
{
    // Received from C1: two new cards in the portfolio, a "PK" row per line.
    auto giris = yeni("E", "0", "C1");
    cek(*giris, "A-1", 500);
    cek(*giris, "A-2", 700);
    const int g = giris->save().key.toInt();
    const double p1 = portfoy("A-1"), p2 = portfoy("A-2");
    ASSERT_GT(p1, 0);
    ASSERT_GT(p2, p1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CSKART WHERE CARIKOD='C1' AND SAHIP='M' AND SON_DURUMU='P' AND CS_TIP=:C",
                    {{"C", QStringLiteral("Ç")}}),
              2);
    EXPECT_DOUBLE_EQ(sum("SELECT BORC FROM FINHRK WHERE FIN_ID=:N AND SIRA_NO=100001 AND KODU='PK' AND CEK_NO=:P "
                         "AND ADI=:A AND ISLEM_TIP='E' AND ISLEM_TIP2='0'",
                         {{"N", g}, {"P", p1}, {"A", QStringLiteral("PORTFÖY KASASI")}}),
                     500);
    EXPECT_EQ(toText(db.scalar("SELECT ACIKLAMA FROM FINHRK WHERE FIN_ID=:N AND SIRA_NO=100002", {{"N", g}})),
              QString::number(p2, 'f', 0) + QStringLiteral(" Nolu Çekin hareketi"));
    EXPECT_EQ(aynaFarki(g), 0);
    // The statement shows the account's credit, never the portfolio rows.
    CariToplam t = CariBakiye(db).toplam("C1");
    EXPECT_EQ(CariBakiye::metin(t.borc, t.alacak), QStringLiteral("1.200,00 (A)"));

    // Given to the bank for collection: status B, the card now names the bank, a PK credit.
    auto banka = yeni("E", "3", "ZIRAAT");
    const int r = cekSatiri(*banka, p1);
    EXPECT_EQ(banka->lines().text(r, "KODU"), QStringLiteral("A-1"));
    EXPECT_DOUBLE_EQ(banka->lines().number(r, FinansBelgesi::kTutar), 500);
    EXPECT_EQ(banka->lines().text(r, "CS_DURUM"), QStringLiteral("B"));
    const int b3 = banka->save().key.toInt();
    EXPECT_EQ(durum(p1), QStringLiteral("B"));
    EXPECT_EQ(toText(db.scalar("SELECT CARIKOD FROM CSKART WHERE PORTFOYNO=:P", {{"P", p1}})), QStringLiteral("ZIRAAT"));
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM FINHRK WHERE FIN_ID=:N AND SIRA_NO=100001 AND KODU='PK'", {{"N", b3}}), 500);

    // A paper at the bank cannot be given to the bank again.
    auto tekrar = yeni("E", "3", "ZIRAAT");
    cekSatiri(*tekrar, p1);
    refused(*tekrar, QStringLiteral("Çek/Senet bu işlem için uygun durumda değil: Bankaya Teminata Verildi"));
    EXPECT_EQ(durum(p1), QStringLiteral("B"));

    // Collected at the bank: status V and no portfolio row.
    auto tahsil = yeni("E", "5", "ZIRAAT");
    cekSatiri(*tahsil, p1);
    const int b5 = tahsil->save().key.toInt();
    EXPECT_EQ(durum(p1), QStringLiteral("V"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE FIN_ID=:N AND KODU='PK'", {{"N", b5}}), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE FIN_ID=:N", {{"N", b5}}), 2);

    // The receipt cannot go while a later document moved its paper, nor be changed.
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Sonradan İşlem Görmüş Hareketleri var. Silenemez.");
    EXPECT_THROW(FinansBelgesi::sil(db, g), DocumentError);
    FinansBelgesi d(db, {}, {});
    d.open(g);
    d.setLine(0, "ACIKLAMA", QStringLiteral("düzeltme"));
    refused(d, QStringLiteral("Sonradan İşlem Görmüş Hareketleri var. Değiştirilemez."));

    // Deleting the latest documents steps the paper back one status at a time.
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    ASSERT_TRUE(FinansBelgesi::sil(db, b5));
    EXPECT_EQ(durum(p1), QStringLiteral("B"));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    ASSERT_TRUE(FinansBelgesi::sil(db, b3));
    EXPECT_EQ(durum(p1), QStringLiteral("P"));
    // The receipt goes last and takes the cheques that came with it.
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    ASSERT_TRUE(FinansBelgesi::sil(db, g));
    EXPECT_EQ(count("SELECT COUNT(*) FROM CSKART"), 0);
    EXPECT_EQ(belgeSatirlari(), 0);
}

TEST_F(FinansBelgesiTest, BadInputIsRefusedAndAFailedWriteLeavesNothing)
{
    auto eksik = yeni("C", "N", "C1");
    satir(*eksik, "", 100);
    refused(*eksik, QStringLiteral("Eksik Bilgi Var Kayıt Yapamazsınız..."));
    auto anaKodsuz = yeni("K", "G", "");
    satir(*anaKodsuz, "C1", 100);
    refused(*anaKodsuz, QStringLiteral("Eksik Bilgi Var Kayıt Yapamazsınız..."));
    auto doviz = yeni("C", "N", "C1");
    const int r = satir(*doviz, "K02", 10);
    doviz->setLine(r, "DOVIZ_KODU", "TL");
    refused(*doviz, QStringLiteral("Döviz Tipi Uyumsuz  !"));
    auto tutarsiz = yeni("C", "A", "C1");
    satir(*tutarsiz, "K01", 0);
    refused(*tutarsiz, QStringLiteral("Tutar Girilmeden Hareket Kaydı Yapılamaz"));
    auto kart = yeni("E", "1", "C2");
    cekSatiri(*kart, 999);
    refused(*kart, QStringLiteral("Çek/Senet Seçilmelidir !"));

    // The portfolio row is the last one written: failing there rolls back the card too.
    failingTrigger("FINHRK", "NEW.KODU='PK'");
    auto giris = yeni("E", "0", "C1");
    cek(*giris, "Z-1", 250);
    EXPECT_THROW(giris->save(), DbError);
    EXPECT_EQ(belgeSatirlari(), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CSKART"), 0);
    EXPECT_TRUE(giris->isNew());
}

} // namespace nimbo::test
