#include "SatisFixture.h"
#include "model/DocumentError.h"

namespace nimbo::test {

class SatisNumara : public SatisTestBase {
protected:
    double sayac(const char* tablo) { return sum(QStringLiteral("SELECT YENINO FROM %1").arg(QLatin1String(tablo))); }
};

// A new sale takes its own number and its finance numbers together, once every check has
// passed: a refused save draws none; a cash sale one document number and two finance
// numbers (the document's rows, then the payment pair); a dispatch note no finance number;
// a corrected sale keeps its number and draws finance numbers afresh.
TEST_F(SatisNumara, NumbersAreDrawnOnceEveryCheckPassed)
{
    auto b = yeni("F");
    satir(*b, 1, 1, 100);
    b->setHeader("KASAKOD", "");
    const double satisOnce = sayac("NEWSATIS"), finansOnce = sayac("NEWFINHRK");
    (*prompter)->expectWarn("Kasa Kodu Seçilmeden Kayıt Saklanmaz ");
    EXPECT_THROW(b->save(), DocumentError);
    EXPECT_TRUE(b->key().isNull() || b->key().toDouble() == 0);
    EXPECT_EQ(sayac("NEWSATIS"), satisOnce);
    EXPECT_EQ(sayac("NEWFINHRK"), finansOnce);

    b->setHeader("KASAKOD", "K01");
    b->save();
    const double no = b->key().toDouble();
    EXPECT_EQ(no, satisOnce);
    EXPECT_EQ(sayac("NEWSATIS"), satisOnce + 1);
    EXPECT_EQ(sayac("NEWFINHRK"), finansOnce + 2);
    EXPECT_EQ(sum("SELECT FIN_ID FROM FINHRK WHERE HRK_NO=:N AND ISLEM_TIP2='S'", {{"N", no}}), finansOnce);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND FIN_ID=:F", {{"N", no}, {"F", finansOnce + 1}}), 2);

    auto irs = yeni("İ");
    satir(*irs, 1, 1, 100);
    irs->save();
    EXPECT_EQ(irs->key().toDouble(), satisOnce + 1);
    EXPECT_EQ(sayac("NEWFINHRK"), finansOnce + 2);

    SatisBelgesi d(db);
    d.open(no);
    d.setLine(0, "MIKTAR", 2.0);
    d.save();
    EXPECT_EQ(d.key().toDouble(), no);
    EXPECT_EQ(sayac("NEWSATIS"), satisOnce + 2);
    EXPECT_EQ(sayac("NEWFINHRK"), finansOnce + 4);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND FIN_ID>=:F", {{"N", no}, {"F", finansOnce + 2}}), 3);
}

// A dispatch note has no invoice date of its own: the new document's default (today) is
// not stored, its movements and the different-day warning go by the dispatch date, the
// list finds it by that date, and the invoice that collects it gives it its date.
TEST_F(SatisNumara, DispatchNoteKeepsNoInvoiceDateUntilCollected)
{
    const QDate irsGunu = gun.addDays(-2);
    auto irs = yeni("İ");
    irs->setHeader("IRSTARIH", irsGunu);
    satir(*irs, 1, 3, 100);
    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    irs->save();
    const double no = irs->key().toDouble();
    EXPECT_TRUE(db.scalar("SELECT FATARIH FROM SATIS WHERE SATIS_NO=:N", {{"N", no}}).isNull());
    EXPECT_EQ(toDate(db.scalar("SELECT TARIH FROM STOKHRK WHERE SATISNO=:N AND TIP='S'", {{"N", no}})), irsGunu);
    EXPECT_FALSE(toDate(irs->header("FATARIH")).isValid());

    // Saved again as it is: no warning about a date it does not carry.
    SatisBelgesi ayni(db);
    ayni.open(no);
    ayni.setHeader("IRSTARIH", gun);
    ayni.save();
    EXPECT_EQ(toDate(db.scalar("SELECT TARIH FROM STOKHRK WHERE SATISNO=:N AND TIP='S'", {{"N", no}})), gun);

    auto fat = yeni("F");
    EXPECT_EQ(fat->irsaliyeAl(no), 1);
    fat->save();
    EXPECT_EQ(toDate(db.scalar("SELECT FATARIH FROM SATIS WHERE SATIS_NO=:N", {{"N", no}})), gun);
    EXPECT_EQ(sum("SELECT FAT_REFNO FROM SATIS WHERE SATIS_NO=:N", {{"N", no}}), fat->key().toDouble());
}

// Items picked together from the item list come out as the same lines as one by one: an
// item picked twice is one line of two, an existing line grows, prices and VAT are the
// item's; an item that is gone stops the adding with its message.
TEST_F(SatisNumara, ItemsPickedTogetherAddLinesAsOneByOne)
{
    auto tek = yeni("F");
    tek->stokEkle(2.0);
    tek->stokEkle(1.0);
    tek->stokEkle(2.0);
    tek->stokEkle(1.0);
    auto toplu = yeni("F");
    toplu->stokEkle(2.0);
    const QList<int> satirlar = toplu->stoklarEkle({1.0, 2.0, 1.0});
    EXPECT_EQ(satirlar, (QList<int>{1, 0, 1}));
    ASSERT_EQ(toplu->lines().count(), 2);
    EXPECT_DOUBLE_EQ(toplu->lines().number(0, "MIKTAR"), 2);
    EXPECT_DOUBLE_EQ(toplu->lines().number(1, "MIKTAR"), 2);
    for (const char* k : {"FIYAT", "FYT_USD", "KDV", "NETKDVSIZTUT"})
        EXPECT_DOUBLE_EQ(toplu->lines().number(1, k), tek->lines().number(1, k)) << k;
    EXPECT_EQ(toplu->lines().text(1, "BIRIM"), "ADET");
    EXPECT_DOUBLE_EQ(toplu->headerNumber("NETTUT"), tek->headerNumber("NETTUT"));

    (*prompter)->expectWarn("Stok Kartı Bulunamadı.");
    EXPECT_THROW(toplu->stoklarEkle({77.0, 2.0}), DocumentError);
    EXPECT_EQ(toplu->lines().count(), 2);
}

} // namespace nimbo::test
