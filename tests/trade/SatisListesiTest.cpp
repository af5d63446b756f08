#include "AlisFixture.h"
#include "demo/DemoData.h"
#include "session/Login.h"
#include "trade/SatisListesi.h"

#include <QSqlQuery>

namespace nimbo::test {

namespace {

class SatisListesiTest : public AlisTestBase {
protected:
    // The document numbers the side's list shows for the filter, in list order.
    QList<double> liste(const SatisListeFiltre& f, const TicariTaraf& taraf = TicariTaraf::satis()) const
    {
        const ListQuery q = SatisListesi::sorgu(db, f, taraf).whole(db.dialect());
        QSqlQuery r = db.exec(q.sql, q.params);
        QList<double> out;
        while (r.next())
            out << r.value(taraf.anahtar).toDouble();
        return out;
    }
    QList<double> adla(const QString& ad, const TicariTaraf& taraf = TicariTaraf::satis()) const
    {
        SatisListeFiltre f;
        f.cariAdi = ad;
        return liste(f, taraf);
    }
    double satis(const QString& tip, const QString& cariKod)
    {
        auto b = yeni(tip, cariKod);
        satir(*b, 1, 1, 100);
        b->save();
        return b->key().toDouble();
    }
    double alis(const QString& tip, const QString& cariKod)
    {
        auto b = yeniAlis(tip, cariKod);
        alisSatiri(*b, 1, 1, 80);
        b->save();
        return b->key().toDouble();
    }
    // The demo firm's users, logged in as the login dialog does it.
    void demoKullanicisi(const QString& kullanici, const QString& sifre)
    {
        {
            DbTransaction tx(db);
            if (!db.any(QStringLiteral("SELECT 1 FROM KIMKUL WHERE KULLANICI='YONETICI'")))
                demo::fillSessionDemo(db, gun.year());
            tx.commit();
        }
        ASSERT_TRUE(Login(SessionContext::current(), db).Kullanici(kullanici, sifre)) << kullanici.toStdString();
    }
    template <class Belge>
    std::unique_ptr<Belge> acik(double no)
    {
        auto b = std::make_unique<Belge>(db);
        b->open(no);
        return b;
    }
};

} // namespace

// A customer is found by any part of the name however its Turkish letters are written, on
// the sales and the purchase list alike, together with the other filters; a quote or "%"
// in the typed name is taken as itself.
TEST_F(SatisListesiTest, CustomerNameSearchFoldsTurkishLetters)
{
    cari("T1", {{"FIRMA_ADI", "Ahmet şükrü Gıda"}});
    cari("T2", {{"FIRMA_ADI", "ISPARTA GÜL Ltd."}});
    cari("T3", {{"FIRMA_ADI", "İzmir Çiçekçilik"}});
    cari("T4", {{"FIRMA_ADI", "O'Neil %100 Pamuk"}});
    const double s1 = satis("F", "T1"), s2 = satis("R", "T2"), s3 = satis("F", "T3"), s4 = satis("F", "T4");
    const double s1b = satis("R", "T1");

    using L = QList<double>;
    auto turkce = [&] {
        EXPECT_EQ(adla("ŞÜKRÜ"), (L{s1b, s1})); // newest first
        EXPECT_EQ(adla("şükrü GIDA"), (L{s1b, s1}));
        EXPECT_TRUE(adla("gida").isEmpty()); // "Gıda" has a dotless i
        EXPECT_EQ(adla("ısparta"), L{s2});
        EXPECT_EQ(adla("ISPARTA"), L{s2});
        EXPECT_EQ(adla("izmir"), L{s3}); // a dotted i finds the dotted capital
        EXPECT_EQ(adla("İZMİR"), L{s3});
        EXPECT_TRUE(adla("ızmir").isEmpty()); // the dotless one does not
        EXPECT_EQ(adla("çİçek"), L{s3});
        EXPECT_EQ(adla("o'neil"), L{s4});
        EXPECT_EQ(adla("%100"), L{s4});
        EXPECT_TRUE(adla("%1000").isEmpty());
        EXPECT_EQ(adla("  ").size(), 5); // blanks filter nothing
    };
    // Each name matches a large share of these few accounts (documents tested one by one)...
    {
        SCOPED_TRACE("many accounts match");
        turkce();
    }
    // ...and a small share once the firm has many more (documents read by account).
    for (int i = 0; i < 300; ++i)
        cari(QStringLiteral("B%1").arg(i), {{"FIRMA_ADI", QStringLiteral("Başka Hesap %1").arg(i)}});
    {
        SCOPED_TRACE("few accounts match");
        turkce();
    }
    EXPECT_EQ(adla("başka").size(), 0);

    // The name narrows what the other filters chose.
    SatisListeFiltre f;
    f.cariAdi = "şükrü";
    f.tip = "R";
    EXPECT_EQ(liste(f), L{s1b});
    f.tip.clear();
    f.cariKod = "T2";
    EXPECT_TRUE(liste(f).isEmpty());

    // The purchase list searches its suppliers the same way and shows no sale.
    const double a1 = alis("F", "T1");
    alis("F", "T2");
    EXPECT_EQ(adla("ŞÜKRÜ", TicariTaraf::alis()), L{a1});
    EXPECT_EQ(adla("şükrü"), (L{s1b, s1}));
}

// Deleting from the list needs the delete right, whatever the correction right says: the
// demo's sales clerk and a user who may correct but not delete are refused with nothing
// removed; the demo's administrator deletes. Purchases are guarded alike, import purchases
// by the import right besides.
TEST_F(SatisListesiTest, DeleteNeedsTheDeleteRight)
{
    const double s = satis("R", "M1");
    const double a = alis("F", "M1");
    const int once = derivedRows() + alisSatirlari();

    demoKullanicisi("SATIS", "5678");
    ASSERT_EQ(SessionContext::current().hak("SATIS_DUZEL"), "H");
    ASSERT_NE(SessionContext::current().hak("SATIS_SIL"), "H");
    (*prompter)->expectWarn("Satış Silme Hakkınız Yok.");
    EXPECT_FALSE(SatisListesi::sil(*acik<SatisBelgesi>(s)));
    (*prompter)->expectWarn("Alış Silme Hakkınız Yok.");
    EXPECT_FALSE(SatisListesi::sil(*acik<AlisBelgesi>(a)));
    EXPECT_EQ(derivedRows() + alisSatirlari(), once);

    // Correcting allowed, deleting view only ("O"): still refused.
    loginAs("DUZELTEN");
    SessionContext::current().setHak("SATIS_SIL", "O");
    (*prompter)->expectWarn("Satış Silme Hakkınız Yok.");
    EXPECT_FALSE(SatisListesi::sil(*acik<SatisBelgesi>(s)));
    EXPECT_EQ(derivedRows() + alisSatirlari(), once);

    // An import purchase needs the import right as well.
    SessionContext::current().setHak("SATIS_SIL", "H");
    SessionContext::current().setHak("ITHAL_SIL", "E");
    exec("UPDATE ALIS SET ITHAL_KODU='ITH-01' WHERE ALIS_NO=:N", {{"N", a}});
    (*prompter)->expectWarn("İthalat Alışlarını Silme Hakkınız Yok.");
    EXPECT_FALSE(SatisListesi::sil(*acik<AlisBelgesi>(a)));
    EXPECT_EQ(derivedRows() + alisSatirlari(), once);
    // ... and to be opened for correction; a plain purchase needs none.
    SessionContext::current().setHak("ITHAL_DUZELT", "E");
    EXPECT_EQ(SatisListesi::duzeltmeEngeli(*acik<AlisBelgesi>(a)), "İthalat Alışları Düzeltme Hakkınız Yok.");
    SessionContext::current().setHak("ITHAL_DUZELT", "H");
    EXPECT_TRUE(SatisListesi::duzeltmeEngeli(*acik<AlisBelgesi>(a)).isEmpty());
    SessionContext::current().setHak("ITHAL_DUZELT", "E");
    exec("UPDATE ALIS SET ITHAL_KODU=NULL WHERE ALIS_NO=:N", {{"N", a}});
    EXPECT_TRUE(SatisListesi::duzeltmeEngeli(*acik<AlisBelgesi>(a)).isEmpty());

    // The administrator is asked and deletes; a No still keeps the document.
    demoKullanicisi("YONETICI", "1234");
    (*prompter)->expectAsk("Satış Silinsin mi?", false);
    EXPECT_FALSE(SatisListesi::sil(*acik<SatisBelgesi>(s)));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS WHERE SATIS_NO=:N", {{"N", s}}), 1);
    (*prompter)->expectAsk("Satış Silinsin mi?", true);
    EXPECT_TRUE(SatisListesi::sil(*acik<SatisBelgesi>(s)));
    (*prompter)->expectAsk("Alış Silinsin mi?", true);
    EXPECT_TRUE(SatisListesi::sil(*acik<AlisBelgesi>(a)));
    EXPECT_EQ(count("SELECT COUNT(*) FROM SATIS") + count("SELECT COUNT(*) FROM ALIS"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE TIP IN ('S','A')"), 0);
}

} // namespace nimbo::test
