#include "AlisFixture.h"
#include "db/Errors.h"
#include "finance/TaksitTakip.h"
#include "model/DocumentError.h"

namespace nimbo::test {

namespace {

// Sales and purchases paid in instalments: the plan travels with the document, its save
// checks it and writes TAKSITS in the same transaction, and collections survive rewrites.
class TaksitliBelge : public AlisTestBase {
protected:
    const QDate fatarih{2027, 1, 10};

    // A sale of 1000 (no VAT) dated `fatarih`, paid in instalments, not yet planned.
    std::unique_ptr<SatisBelgesi> taksitliSatis()
    {
        auto b = yeni("F");
        b->setHeader("FATARIH", fatarih);
        b->setHeader("ODE_TIP", "T");
        const int r = satir(*b, 1, 1, 1000);
        b->setLine(r, "KDV", 0.0);
        return b;
    }
    static void planla(TicariBelge& b, int sayi, const QDate& ilkVade, double pesinat = 0, bool aySonu = true)
    {
        TaksitPlanGirdisi g = b.taksitGirdisi();
        g.taksitSayisi = sayi;
        g.ilkVade = ilkVade;
        g.pesinat = pesinat;
        g.aySonu = aySonu;
        b.setTaksitPlani(g, b.taksit().planla(g));
    }
    void sakla(SatisBelgesi& b)
    {
        (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
        b.save();
    }
    std::unique_ptr<SatisBelgesi> ac(double no)
    {
        auto b = std::make_unique<SatisBelgesi>(db);
        b->open(no);
        return b;
    }
    struct Satir {
        QDate vade;
        double tutar, tahsil;
        QString durum;
    };
    QList<Satir> taksitler(double no) const
    {
        QList<Satir> out;
        for (const QSqlRecord& r : db.records("SELECT ODE_TRH, ODEME_TUT, TAH_TUTAR, TAKSIT_ODENDI FROM TAKSITS WHERE "
                                              "SATIS_NO=:N ORDER BY SIRANO",
                                              {{"N", no}}))
            out << Satir{toDate(r.value(0)), r.value(1).toDouble(), r.value(2).toDouble(), toText(r.value(3)).trimmed()};
        return out;
    }
    static QList<QDate> vadeler(const QList<Satir>& s)
    {
        QList<QDate> d;
        for (const Satir& x : s)
            d << x.vade;
        return d;
    }
};

} // namespace

TEST_F(TaksitliBelge, SaleWritesTheMonthEndPlanAndResavesRewriteOrRemoveIt)
{
    auto b = taksitliSatis();
    ASSERT_NEAR(b->headerNumber("NETTUT"), 1000, 1e-9);
    const TaksitPlanGirdisi g = b->taksitGirdisi();
    EXPECT_DOUBLE_EQ(g.satisTutari, 1000);
    EXPECT_EQ(g.pesinatTarihi, fatarih);
    EXPECT_EQ(g.cariKod, QStringLiteral("M1"));
    planla(*b, 4, {2027, 1, 31});
    EXPECT_EQ(b->header("TAKSITSAY").toInt(), 4);
    sakla(*b);
    const double no = b->key().toDouble();

    QList<Satir> t = taksitler(no);
    EXPECT_EQ(vadeler(t), (QList<QDate>{{2027, 1, 31}, {2027, 2, 28}, {2027, 3, 31}, {2027, 4, 30}}));
    for (const Satir& x : t) {
        EXPECT_DOUBLE_EQ(x.tutar, 250);
        EXPECT_EQ(x.durum, QStringLiteral("H"));
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS WHERE SATIS_NO=:N AND SAT_TIP='S' AND CARI_KOD='M1'", {{"N", no}}), 4);
    EXPECT_EQ(count("SELECT TAKSITSAY FROM SATIS WHERE SATIS_NO=:N", {{"N", no}}), 4);
    // An instalment sale writes the customer's debt and no payment rows.
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N", {{"N", no}}), 1);

    // Reopened, the stored plan comes back as it was built: no down payment, month-end.
    auto a = ac(no);
    const TaksitPlanGirdisi o = a->taksitGirdisi();
    EXPECT_NEAR(o.pesinat, 0, 1e-9);
    EXPECT_EQ(o.taksitSayisi, 4);
    EXPECT_EQ(o.ilkVade, QDate(2027, 1, 31));
    EXPECT_TRUE(o.aySonu);
    // A new plan after a down payment of 200: two rows of 400 replace the four.
    planla(*a, 2, {2027, 1, 31}, 200);
    sakla(*a);
    t = taksitler(no);
    ASSERT_EQ(t.size(), 2);
    EXPECT_DOUBLE_EQ(t[0].tutar, 400);
    EXPECT_EQ(t[1].vade, QDate(2027, 2, 28));
    EXPECT_EQ(count("SELECT TAKSITSAY FROM SATIS WHERE SATIS_NO=:N", {{"N", no}}), 2);

    // A changed total without a new plan leaves instalments that do not use it up.
    auto c = ac(no);
    c->setLine(0, "FYT_DOVIZ", 1200.0);
    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    (*prompter)->expectWarn("Taksitten Sonra Kalan Tutar Olmamalı!");
    EXPECT_THROW(c->save(), DocumentError);
    EXPECT_NEAR(sum("SELECT NETTUT FROM SATIS WHERE SATIS_NO=:N", {{"N", no}}), 1000, 1e-9);
    EXPECT_EQ(taksitler(no).size(), 2);

    // Paid otherwise now: the instalments go.
    auto v = ac(no);
    v->setHeader("ODE_TIP", "V");
    sakla(*v);
    EXPECT_TRUE(taksitler(no).isEmpty());
    EXPECT_EQ(count("SELECT TAKSITSAY FROM SATIS WHERE SATIS_NO=:N", {{"N", no}}), 0);
}

TEST_F(TaksitliBelge, BadPlansAreRefusedAndNothingIsWritten)
{
    auto b = taksitliSatis();
    const int once = derivedRows();
    auto ret = [&](const TaksitPlanGirdisi& g, const QList<QVariantMap>& rows, const QString& mesaj) {
        try {
            b->setTaksitPlani(g, rows);
            ADD_FAILURE() << "accepted: " << mesaj.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), mesaj);
        }
    };
    TaksitPlanGirdisi g = b->taksitGirdisi();
    g.ilkVade = QDate(2027, 2, 10);
    g.taksitSayisi = 0;
    ret(g, b->taksit().planla(g), "Taksit Sayısı Sıfırdan Büyük Olmalı!");
    g.taksitSayisi = 2;
    g.pesinat = -100;
    ret(g, b->taksit().planla(g), "Peşinat Tutarı Sıfırdan Küçük Olamaz!");
    g.pesinat = 0;
    // Rows typed by hand that leave 100 over, or fall due on the down-payment day.
    QList<QVariantMap> elle = b->taksit().planla(g);
    elle[1]["ODEME_TUT"] = 400.0;
    ret(g, elle, "Taksitten Sonra Kalan Tutar Olmamalı!");
    elle[1]["ODEME_TUT"] = 500.0;
    elle[0]["ODE_TRH"] = QDateTime(fatarih, QTime(0, 0));
    ret(g, elle, "Taksit ilk vade Peşinat Tarihinden Büyük Olmalı");
    g.satisTutari = 0;
    ret(g, b->taksit().planla(g), "Satış Tutarı Girilmemiş!");
    EXPECT_TRUE(b->taksit().taksitler().isEmpty());

    // Paid in instalments without a plan: the save stops before anything is written.
    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    (*prompter)->expectWarn("Taksit Sayısı Girilmeden Taksitli Satış Saklanamaz.");
    EXPECT_THROW(b->save(), DocumentError);
    EXPECT_EQ(derivedRows(), once);
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS"), 0);

    // A refused plan leaves the one held before.
    planla(*b, 2, {2027, 2, 10}, 0, false);
    g = b->taksitGirdisi();
    g.taksitSayisi = 0;
    ret(g, {}, "Taksit Sayısı Sıfırdan Büyük Olmalı!");
    EXPECT_EQ(b->taksit().taksitler().size(), 2);
    EXPECT_EQ(toDate(b->taksit().taksitler().last().value("ODE_TRH")), QDate(2027, 3, 10));
}

TEST_F(TaksitliBelge, CollectedInstalmentsBlockDeleteAndChangesThatWouldLoseThem)
{
    auto b = taksitliSatis();
    planla(*b, 4, {2027, 1, 31});
    sakla(*b);
    const double no = b->key().toDouble();
    TaksitTakip takip(db);
    takip.setCezaAyari({});
    takip.tahsilEt(no, 1, 250, {2027, 1, 31}, "N");
    takip.tahsilEt(no, 2, 100, {2027, 2, 20}, "N");
    const double cariNo1 = sum("SELECT CARI_NO FROM TAKSITS WHERE SATIS_NO=:N AND SIRANO=1", {{"N", no}});
    ASSERT_GT(cariNo1, 0);

    // Delete: refused, the sale and its instalments stay.
    auto d = ac(no);
    (*prompter)->expectWarn("Bu Hareketin Taksit Ödemesi Yapılmış.Silinemez.");
    EXPECT_FALSE(d->deleteIfAllowed());
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS WHERE SATIS_NO=:N", {{"N", no}}), 1);
    EXPECT_EQ(taksitler(no).size(), 4);

    auto a = ac(no);
    auto ret = [&](int sayi, const QDate& ilk, double pesinat, const QString& mesaj) {
        try {
            planla(*a, sayi, ilk, pesinat);
            ADD_FAILURE() << "accepted: " << mesaj.toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), mesaj);
        }
    };
    // A plan moving the paid instalment's due date, or asking less than was collected on it.
    ret(4, {2027, 2, 15}, 0, "Ödemesi yapılmış taksidin Ödeme Tarihi değiştirilemez. İşlem iptal edildi.");
    ret(1, {2027, 1, 31}, 0, "Ödemesi yapılmış taksidin Ödeme Tarihi değiştirilemez. İşlem iptal edildi.");
    ret(5, {2027, 1, 31}, 0, "Tahsil Tutarı Ödenecek Tutardan fazla olamaz. İşlem iptal edildi.");
    // Two of 500 keep both collections; the first is now only partly paid.
    planla(*a, 2, {2027, 1, 31});
    sakla(*a);
    QList<Satir> t = taksitler(no);
    ASSERT_EQ(t.size(), 2);
    EXPECT_DOUBLE_EQ(t[0].tahsil, 250);
    EXPECT_EQ(t[0].durum, QStringLiteral("Y"));
    EXPECT_DOUBLE_EQ(t[1].tahsil, 100);
    EXPECT_NEAR(sum("SELECT TAH_KALAN FROM TAKSITS WHERE SATIS_NO=:N AND SIRANO=1", {{"N", no}}), 250, 1e-9);
    EXPECT_DOUBLE_EQ(sum("SELECT CARI_NO FROM TAKSITS WHERE SATIS_NO=:N AND SIRANO=1", {{"N", no}}), cariNo1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE KODU='M1' AND ACIKLAMA LIKE '%Taksit Ödemesi.'"), 2);

    // A collection made while the sale is open is not undone by its save.
    auto acik = ac(no);
    takip.tahsilEt(no, 2, 400, {2027, 2, 27}, "N");
    sakla(*acik);
    t = taksitler(no);
    EXPECT_DOUBLE_EQ(t[1].tahsil, 500);
    EXPECT_EQ(t[1].durum, QStringLiteral("E"));

    // Another customer, or another payment, would orphan the collections.
    for (const auto& [kolon, deger] : {std::pair{"CARIKOD", "M2"}, {"ODE_TIP", "V"}}) {
        auto c = ac(no);
        c->setHeader(kolon, deger);
        (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
        (*prompter)->expectWarn("Bu Hareketin Taksit Ödemesi Yapılmış.Değiştirilemez.");
        EXPECT_THROW(c->save(), DocumentError) << kolon;
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS WHERE SATIS_NO=:N AND CARI_KOD='M1'", {{"N", no}}), 2);
    EXPECT_EQ(toText(db.scalar("SELECT ODE_TIP FROM SATIS WHERE SATIS_NO=:N", {{"N", no}})), QStringLiteral("T"));
}

TEST_F(TaksitliBelge, PurchaseInInstalmentsIsCheckedInItsWriteAndDeletedWithIt)
{
    const int once = alisSatirlari();
    auto b = yeniAlis("F", "M1", {2028, 1, 5});
    b->setHeader("ODE_TIP", "T");
    const int r = alisSatiri(*b, 1, 2, 600);
    b->setLine(r, "KDV", 0.0);
    ASSERT_NEAR(b->headerNumber("NETTUT"), 1200, 1e-9);
    try {
        b->save();
        ADD_FAILURE() << "a purchase in instalments without a plan was saved";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Taksit Sayısı Girilmeden Taksitli Alış Saklanamaz."));
    }
    EXPECT_EQ(alisSatirlari(), once);

    // 200 down, 1000 in four from the end of January of a leap year.
    planla(*b, 4, {2028, 1, 31}, 200);
    b->save();
    const double no = b->key().toDouble();
    const QList<Satir> t = taksitler(no);
    EXPECT_EQ(vadeler(t), (QList<QDate>{{2028, 1, 31}, {2028, 2, 29}, {2028, 3, 31}, {2028, 4, 30}}));
    EXPECT_DOUBLE_EQ(t[0].tutar, 250);
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS WHERE SATIS_NO=:N AND SAT_TIP='A'", {{"N", no}}), 4);
    EXPECT_EQ(count("SELECT TAKSITSAY FROM ALIS WHERE ALIS_NO=:N", {{"N", no}}), 4);

    // Paying the supplier's instalment is a debit on his account.
    TaksitTakip takip(db);
    takip.setCezaAyari({});
    takip.tahsilEt(no, 1, 250, {2028, 1, 31});
    EXPECT_NEAR(sum("SELECT BORC FROM FINHRK WHERE KODU='M1' AND ACIKLAMA='1. Taksit Ödemesi.'"), 250, 1e-9);

    auto d = std::make_unique<AlisBelgesi>(db);
    d->open(no);
    EXPECT_EQ(d->taksit().taksitler().size(), 4);
    (*prompter)->expectAsk("Alış Silinsin mi?", true);
    d->deleteDocument();
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ALIS"), 0);
}

} // namespace nimbo::test
