#include "CariHareketFixture.h"
#include "accounts/CariBakiye.h"
#include "db/Errors.h"
#include "model/DocumentError.h"

namespace nimbo::test {

namespace {

class CariHareketBelgesiTest : public CariHareketTestBase {
protected:
    void failingTrigger(const QString& table)
    {
        DbTransaction tx(db);
        if (db.dialect().isSqlite()) {
            db.exec(QStringLiteral("CREATE TRIGGER T_FAIL BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'yazılamadı'); END")
                        .arg(table));
        } else {
            db.exec("CREATE FUNCTION F_FAIL() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION 'yazılamadı'; END $$ "
                    "LANGUAGE plpgsql");
            db.exec(QStringLiteral("CREATE TRIGGER T_FAIL BEFORE INSERT ON %1 FOR EACH ROW EXECUTE FUNCTION F_FAIL()")
                        .arg(table));
        }
        tx.commit();
    }
    int satirlar(double no)
    {
        return count("SELECT COUNT(*) FROM CARIHRKM WHERE CARI_NO=:N", {{"N", no}})
               + count("SELECT COUNT(*) FROM CARIHRK WHERE CARI_NO=:N", {{"N", no}})
               + count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO=:N AND REF_TIP='C' AND SIRANO<1000", {{"N", no}})
               + count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND BELGE_TIP='C'", {{"N", no}});
    }
};

} // namespace

TEST_F(CariHareketBelgesiTest, CashCollectionIsSavedCorrectedAndDeletedWithItsCashAndFinanceRows)
{
    auto b = yeni(db, "N", "B");
    EXPECT_EQ(b->baslik(), QStringLiteral("Nakit Tahsilat"));
    const int tl = satir(*b, "C1", 3000, true);
    EXPECT_EQ(b->lines().text(tl, "KASAKOD"), QStringLiteral("K01")); // the first desk by default
    EXPECT_DOUBLE_EQ(b->lines().number(tl, "ALACAK"), 3000);
    EXPECT_DOUBLE_EQ(b->lines().number(tl, "ALACAK_USD"), 100);
    EXPECT_NEAR(b->lines().number(tl, "ALACAK_EUR"), 3000.0 / 33, 1e-9);
    EXPECT_DOUBLE_EQ(b->lines().number(tl, "KARSI_ALACAK"), 3000);
    const int usd = satir(*b, "C1", 50, true, "USD");
    b->setLine(usd, "KASAKOD", "K02");
    EXPECT_DOUBLE_EQ(b->lines().number(usd, "TL_KURDEGER"), 30);
    EXPECT_DOUBLE_EQ(b->lines().number(usd, "ALACAK"), 1500);
    EXPECT_DOUBLE_EQ(b->lines().number(usd, "ALACAK_USD"), 50);
    EXPECT_EQ(b->lines().text(usd, "KARSIDOVIZ"), QStringLiteral("USD"));
    EXPECT_DOUBLE_EQ(b->lines().number(usd, "KARSI_ALACAK"), 50);
    EXPECT_DOUBLE_EQ(b->headerNumber("ALACAK"), 4500);
    EXPECT_DOUBLE_EQ(b->headerNumber("ALACAK_USD"), 150);
    EXPECT_DOUBLE_EQ(b->headerNumber("BORC"), 0);

    const SaveResult r = b->save();
    const double no = r.key.toDouble();
    EXPECT_GT(no, 0);
    EXPECT_TRUE(r.steps.isEmpty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE CARI_NO=:N AND CRHRK_TUR='N' AND AY=3 AND YIL=2026 "
                    "AND PARA_BAZ='D' AND REF_NO IS NULL", // a sale numbered alike must not reach them
                    {{"N", no}}),
              2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO=:N AND REF_TIP='C' AND HRK_TURU='w' AND TIP='B' "
                    "AND REFAYRTIP='N' AND KARSIKOD='C1'",
                    {{"N", no}}),
              2);
    EXPECT_DOUBLE_EQ(sum("SELECT TUTAR_DVZ FROM KASAHRKT WHERE HRKNO=:N AND KASAKOD='K02'", {{"N", no}}), 50);
    EXPECT_EQ(toText(db.scalar("SELECT DOVIZ_KOD FROM KASAHRKT WHERE HRKNO=:N AND KASAKOD='K02'", {{"N", no}})),
              QStringLiteral("USD"));
    // The account's credit and the desks' debit in the finance ledger.
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(ALACAK) FROM FINHRK WHERE KODU='C1'"), 4500);
    EXPECT_EQ(toText(db.scalar("SELECT ISLEM_TIP2 FROM FINHRK WHERE KODU='C1' AND SIRA_NO=1")), QStringLiteral("N"));
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(BORC) FROM FINHRK WHERE ISLEM_TIP='K' AND KODU='K01'"), 3000);
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(BORC_DVZ) FROM FINHRK WHERE ISLEM_TIP='K' AND KODU='K02'"), 50);
    const CariToplam t = CariBakiye(db).toplam("C1");
    EXPECT_EQ(CariBakiye::metin(t.borc, t.alacak), QStringLiteral("4.500,00 (A)"));

    // A cash sale numbered alike keeps its desk row through the correction and the delete.
    db.exec("INSERT INTO KASAHRKT (HRKNO, REF_TIP, SIRANO, KASAKOD, TIP, TUTAR) VALUES (:N, 'C', 1000000575, 'K01', 'B', 77)",
         {{"N", no}});
    const QString satisKasasi = QStringLiteral("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO=:N AND SIRANO=1000000575");

    // Correction: the USD line goes, the TL line becomes 2000.
    CariHareketBelgesi c(db, "N");
    c.open(no);
    ASSERT_EQ(c.lines().count(), 2);
    (*prompter)->expectAsk("Silinsin mi?.", true);
    c.removeLine(DocumentModel::kItems, 1);
    c.setLine(0, "ALACAK_DVZ", 2000.0);
    const int yeniSatir = satir(c, "C2", 10, false);
    EXPECT_EQ(c.lines().value(yeniSatir, "SIRANO").toInt(), 3); // never reuses a removed line's number
    c.save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO=:N AND SIRANO<1000", {{"N", no}}), 2);
    EXPECT_EQ(count(satisKasasi, {{"N", no}}), 1);
    EXPECT_DOUBLE_EQ(sum("SELECT TUTAR FROM KASAHRKT WHERE HRKNO=:N AND TIP='B' AND SIRANO<1000", {{"N", no}}), 2000);
    EXPECT_DOUBLE_EQ(sum("SELECT TUTAR FROM KASAHRKT WHERE HRKNO=:N AND TIP='A'", {{"N", no}}), 10);
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(ALACAK) - SUM(BORC) FROM FINHRK WHERE KODU='C1'"), 2000);
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM CARIHRKM WHERE CARI_NO=:N", {{"N", no}}), 2000);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Düzeltmede Silindi'", {{"N", no}}), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Düzeltmede Eklendi'", {{"N", no}}), 2);

    CariHareketBelgesi d(db, "N");
    d.open(no);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    d.deleteDocument();
    EXPECT_EQ(satirlar(no), 0);
    EXPECT_EQ(count(satisKasasi, {{"N", no}}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE REFNO=:N AND ACIKLAMA='Cari.Hrk.Silindi'", {{"N", no}}), 1);
}

TEST_F(CariHareketBelgesiTest, LineArithmeticForDifferencesAndDerivedRates)
{
    // A difference in USD is booked in the USD column only.
    auto f = yeni(db, "F");
    const int r = satir(*f, "C1", 40, false, "USD");
    EXPECT_DOUBLE_EQ(f->lines().number(r, "BORC_USD"), 40);
    EXPECT_DOUBLE_EQ(f->lines().number(r, "BORC"), 0);
    EXPECT_DOUBLE_EQ(f->lines().number(r, "BORC_EUR"), 0);

    // Rates from what was typed: local and USD amounts both kept.
    auto d = yeni(db, "D");
    d->setKurHesapla(true);
    const int k = satir(*d, "C1", 100, true, "USD");
    d->setLine(k, "ALACAK", 3100.0);
    d->setLine(k, "ALACAK_USD", 100.0);
    d->setLine(k, "ALACAK_EUR", 93.0);
    EXPECT_DOUBLE_EQ(d->lines().number(k, "TL_USDEGER"), 31);
    EXPECT_DOUBLE_EQ(d->lines().number(k, "TL_KURDEGER"), 31);
    EXPECT_NEAR(d->lines().number(k, "TL_EUREGER"), 3100.0 / 93, 1e-9);
    EXPECT_DOUBLE_EQ(d->lines().number(k, "ALACAK"), 3100);
    EXPECT_DOUBLE_EQ(d->lines().number(k, "ALACAK_USD"), 100);

    // Without the option the rate of the day applies; a new currency drops the old rate.
    auto n = yeni(db, "D");
    const int e = satir(*n, "C1", 10, false, "EUR");
    EXPECT_DOUBLE_EQ(n->lines().number(e, "TL_KURDEGER"), 33);
    EXPECT_DOUBLE_EQ(n->lines().number(e, "BORC"), 330);
    EXPECT_DOUBLE_EQ(n->lines().number(e, "BORC_USD"), 11);
    EXPECT_DOUBLE_EQ(n->lines().number(e, "BORC_EUR"), 10);
    n->setLine(e, "DOVIZ_KODU", "USD");
    EXPECT_DOUBLE_EQ(n->lines().number(e, "TL_KURDEGER"), 30);
    EXPECT_DOUBLE_EQ(n->lines().number(e, "BORC"), 300);
}

TEST_F(CariHareketBelgesiTest, BadInputIsRefusedAndNothingIsWritten)
{
    auto b = yeni(db, "D");
    (*prompter)->expectWarn("Dikkat Hareket Kaydı olmadan Kayıt Yapılmaz");
    EXPECT_THROW(b->save(), DocumentError);

    const int r = satir(*b, "C1", 10, false);
    b->setLine(r, "TIP", -1);
    (*prompter)->expectWarn("Cari İşlem tipini seçmeden harekette değişiklik yapamazsınız...");
    EXPECT_THROW(b->save(), DocumentError);
    b->setLine(r, "TIP", 1);

    b->setLine(r, "BORC_DVZ", 0.0);
    (*prompter)->expectWarn("Tutar Girilmeden Hareket Kaydı Yapılamaz");
    EXPECT_THROW(b->save(), DocumentError);
    b->setLine(r, "BORC_DVZ", 10.0);

    b->setLine(r, "DOVIZ_KODU", "XYZ");
    (*prompter)->expectWarn("Lütfen Geçerli Bir Döviz Kodu Seçin");
    EXPECT_THROW(b->save(), DocumentError);
    b->setLine(r, "DOVIZ_KODU", "TL");

    b->setLine(r, "CARI_KOD", "YOK");
    (*prompter)->expectWarn("Lütfen Geçerli Cari Kod Seçin");
    try {
        b->save();
        ADD_FAILURE();
    } catch (const DocumentError& e) {
        EXPECT_EQ(e.column(), QStringLiteral("CARI_KOD"));
        EXPECT_EQ(e.row(), r);
    }
    b->setLine(r, "CARI_KOD", "C1");

    {
        DbTransaction tx(db);
        db.exec("UPDATE PARAMET SET KILIT_TRH = :a, KILIT_TRH2 = :b",
                {{"a", QDateTime(QDate(2026, 4, 1), QTime())}, {"b", QDateTime(QDate(2026, 12, 31), QTime())}});
        tx.commit();
    }
    (*prompter)->expectError("Sadece *");
    EXPECT_THROW(b->save(), DocumentError);
    {
        DbTransaction tx(db);
        db.exec("UPDATE PARAMET SET KILIT_TRH = NULL, KILIT_TRH2 = NULL");
        tx.commit();
    }

    auto v = yeni(db, "V");
    satir(*v, "C1", 100, false);
    satir(*v, "C2", 99.99, true);
    (*prompter)->expectWarn("Borç-Alacak Toplamları Eşit olmalı");
    EXPECT_THROW(v->save(), DocumentError);

    auto n = yeni(db, "N", "B");
    const int k = satir(*n, "C1", 5, true);
    n->setLine(k, "KASAKOD", "PK");
    (*prompter)->expectWarn("Kasa Kodu Seçilmelidir !");
    EXPECT_THROW(n->save(), DocumentError);

    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRKM") + count("SELECT COUNT(*) FROM CARIHRK")
                  + count("SELECT COUNT(*) FROM FINHRK") + count("SELECT COUNT(*) FROM KASAHRKT"),
              0);

    // The balanced transfer goes through.
    v->setLine(1, "ALACAK_DVZ", 100.0);
    v->save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE CRHRK_TUR='V'"), 2);
}

TEST_F(CariHareketBelgesiTest, MatchedLinesAndPostedDocumentsStay)
{
    auto b = yeni(db, "D");
    satir(*b, "C1", 100, false);
    satir(*b, "C1", 40, true);
    const double no = b->save().key.toDouble();
    f.insert("CODEKAPU", {{"CARI_KOD", "C1"}, {"CARI_NO", no}, {"SIRANO", 2}, {"CRHRK_TUR", "D"}, {"KCARI_NO", 7},
                          {"KSIRANO", 1}});

    CariHareketBelgesi c(db, "D");
    c.open(no);
    (*prompter)->expectWarn("Borç Kapama İşlemi Yapılmış Bu Kaydın Silinmesi için Borç Kapama İşlemi Geri "
                            "Alınmalıdır.");
    EXPECT_THROW(c.removeLine(DocumentModel::kItems, 1), DocumentError);
    c.setLine(1, "ALACAK_DVZ", 41.0);
    (*prompter)->expectWarn("Borç Kapama İşlemi Yapılmış*");
    EXPECT_THROW(c.save(), DocumentError);
    // The unmatched line may go.
    CariHareketBelgesi e(db, "D");
    e.open(no);
    (*prompter)->expectAsk("Silinsin mi?.", true);
    e.removeLine(DocumentModel::kItems, 0);
    EXPECT_EQ(e.lines().count(), 1);

    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Borç Kapama İşlemi Yapılmış*");
    EXPECT_THROW(c.deleteDocument(), DocumentError);

    {
        DbTransaction tx(db);
        db.exec("DELETE FROM CODEKAPU");
        db.exec("UPDATE CARIHRKM SET FIS_NO = 12 WHERE CARI_NO = :N", {{"N", no}});
        tx.commit();
    }
    CariHareketBelgesi p(db, "D");
    p.open(no);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez.");
    EXPECT_THROW(p.deleteDocument(), DocumentError);
    EXPECT_EQ(satirlar(no), 1 + 2 + 0 + 2);
}

TEST_F(CariHareketBelgesiTest, CreditRiskWarnsOrStopsTheSave)
{
    {
        DbTransaction tx(db);
        db.exec("UPDATE CARI SET RISKRITER='B', RISBAKTIP='B', RISK_DIG='U', RISK_LIMITI=10 WHERE CARI_KOD='C1'");
        tx.commit();
    }
    auto b = yeni(db, "D");
    satir(*b, "C1", 600, false); // 20 USD
    (*prompter)->expectAsk("C1 Borç Risk Limiti Aşılmış! Buna Rağmen İşlem Devam Etsin mı?", false);
    EXPECT_THROW(b->save(), DocumentError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK"), 0);

    {
        DbTransaction tx(db);
        db.exec("UPDATE CARI SET RISK_DIG='D' WHERE CARI_KOD='C1'");
        tx.commit();
    }
    (*prompter)->expectWarn("C1 Kodlu Hesabın Borç Risk Limiti Aşıldığı İçin Bu Kayıt Saklanamaz !!!");
    EXPECT_THROW(b->save(), DocumentError);

    // An opening is never tested; a credit line does not count on the debit side.
    auto i = yeni(db, "I");
    satir(*i, "C1", 600, false);
    i->save();
    auto a = yeni(db, "D");
    satir(*a, "C1", 6000, true);
    a->save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK"), 2);
}

TEST_F(CariHareketBelgesiTest, AWriteFailingHalfWayLeavesNothingBehind)
{
    auto b = yeni(db, "N", "B");
    satir(*b, "C1", 100, true);
    const double no = b->save().key.toDouble();
    failingTrigger("KASAHRKT");

    // A correction that fails keeps the stored document as it was.
    CariHareketBelgesi c(db, "N");
    c.open(no);
    c.setLine(0, "ALACAK_DVZ", 250.0);
    EXPECT_THROW(c.save(), DbError);
    EXPECT_DOUBLE_EQ(sum("SELECT ALACAK FROM CARIHRK WHERE CARI_NO=:N", {{"N", no}}), 100);
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(ALACAK) FROM FINHRK WHERE KODU='C1'"), 100);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE ACIKLAMA LIKE 'Düzeltmede%'"), 0);

    // A new one leaves no header, line, finance or cash row.
    auto n = yeni(db, "N", "B");
    satir(*n, "C2", 70, true);
    EXPECT_THROW(n->save(), DbError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRKM"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK WHERE CARI_KOD='C2'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE KODU='C2' OR CARIKOD='C2'"), 0);
    EXPECT_TRUE(n->isNew());
}

} // namespace nimbo::test
