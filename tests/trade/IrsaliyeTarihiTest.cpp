#include "AlisFixture.h"
#include "model/DocumentError.h"

namespace nimbo::test {

namespace {

class IrsaliyeTarihi : public AlisTestBase {
protected:
    QDate once = gun.addDays(-20);

    QVariant kayitli(const TicariBelge& b) const
    {
        const TicariTaraf& t = b.taraf();
        return db.scalar(QStringLiteral("SELECT IRSTARIH FROM %1 WHERE %2=:N").arg(t.baslik, t.anahtar), {{"N", b.key()}});
    }
    static QDate tarih(const TicariBelge& b) { return toDate(b.header("IRSTARIH")); }
    // A dispatch note of the side with its number and one line, its date not typed yet.
    template <class Belge>
    std::unique_ptr<Belge> tarihsizIrsaliye(const QString& no) const
    {
        auto b = std::make_unique<Belge>(db);
        b->setHeader("TIP", "İ");
        b->setHeader("CARIKOD", "M1");
        b->setHeader("IRS_NO", no);
        const int r = b->stokEkle(1.0);
        b->setLine(r, "MIKTAR", 2.0);
        b->setLine(r, "FYT_DOVIZ", 100.0);
        return b;
    }
};

} // namespace

// The dispatch date of a sale: none on a pure invoice, even one made weeks ago; the invoice
// date on an invoice with dispatch, following it when it changes and also when the default
// type is kept untouched; on a dispatch note the date typed for it, and no save without one.
TEST_F(IrsaliyeTarihi, SalesDocumentsOfEachKind)
{
    auto f = yeni("F");
    f->setHeader("FATARIH", once);
    satir(*f, 1, 1, 100);
    EXPECT_FALSE(tarih(*f).isValid());
    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    f->save();
    EXPECT_TRUE(kayitli(*f).isNull());

    auto r = yeni("R");
    EXPECT_EQ(tarih(*r), gun);
    r->setHeader("FATARIH", once);
    EXPECT_EQ(tarih(*r), once);
    satir(*r, 1, 1, 100);
    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    r->save();
    EXPECT_EQ(toDate(kayitli(*r)), once);

    // A purchase-return invoice with dispatch follows its invoice date too.
    SatisBelgesi e(db);
    e.setHeader("TIP", "E");
    EXPECT_EQ(tarih(e), gun);
    e.setHeader("FATARIH", once);
    EXPECT_EQ(tarih(e), once);

    // The default type shows its dispatch date at once; a type changed to a pure invoice
    // drops it and back to R takes the invoice date again.
    SatisBelgesi d(db);
    EXPECT_EQ(tarih(d), gun);
    d.setHeader("TIP", "F");
    EXPECT_FALSE(tarih(d).isValid());
    d.setHeader("FATARIH", once);
    d.setHeader("TIP", "R");
    EXPECT_EQ(tarih(d), once);

    // The new document's own type (R) untouched: the invoice date is its dispatch date.
    SatisBelgesi v(db);
    v.setHeader("CARIKOD", "M1");
    v.setHeader("KASAKOD", "K01");
    v.setHeader("FAT_NO", "V00001");
    satir(v, 2, 1, 50);
    v.save();
    EXPECT_EQ(toDate(kayitli(v)), gun);

    auto i = tarihsizIrsaliye<SatisBelgesi>("I00001");
    EXPECT_FALSE(tarih(*i).isValid());
    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    (*prompter)->expectWarn("İrs.No/İrs.Trh Yazılmadan Saklanamaz.");
    EXPECT_THROW(i->save(), DocumentError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS WHERE IRS_NO='I00001'"), 0);
    i->setHeader("IRSTARIH", once);
    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    i->save();
    EXPECT_EQ(toDate(kayitli(*i)), once);
}

// The same three kinds on the purchase side, where R takes the invoice's date at its save
// whatever was typed.
TEST_F(IrsaliyeTarihi, PurchaseDocumentsOfEachKind)
{
    auto f = yeniAlis("F", "M1", once);
    alisSatiri(*f, 1, 1, 80);
    EXPECT_FALSE(tarih(*f).isValid());
    f->save();
    EXPECT_TRUE(kayitli(*f).isNull());

    auto r = yeniAlis("R", "M1", once);
    EXPECT_EQ(tarih(*r), once);
    r->setHeader("IRSTARIH", gun);
    alisSatiri(*r, 1, 1, 80);
    r->save();
    EXPECT_EQ(toDate(kayitli(*r)), once);

    auto i = tarihsizIrsaliye<AlisBelgesi>("AI0001");
    EXPECT_FALSE(tarih(*i).isValid());
    (*prompter)->expectWarn("İrs.No/İrs.Trh Yazılmadan Saklanamaz.");
    EXPECT_THROW(i->save(), DocumentError);
    i->setHeader("IRSTARIH", once);
    i->save();
    EXPECT_EQ(toDate(kayitli(*i)), once);
}

} // namespace nimbo::test
