#include "db/DbTransaction.h"
#include "finance/KasaKart.h"
#include "finance/KasaListe.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {

class KasaTest : public YearDbTest {
protected:
    void exec(const QString& sql, const Params& p = {})
    {
        DbTransaction tx(db);
        db.exec(sql, p);
        tx.commit();
    }
    QStringList kodlar(const QList<KasaBilgisi>& l)
    {
        QStringList out;
        for (const KasaBilgisi& k : l)
            out << k.kod;
        return out;
    }
};

} // namespace

TEST_F(KasaTest, CardKeepsTheSharedCodeSpaceAndRequiresACode)
{
    exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('ORTAK', 'Cari')");
    exec("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI) VALUES ('BNK', 'Banka')");
    KasaKart k(db);
    k.yeni();
    EXPECT_EQ(k.text("DOVIZ_KOD"), QStringLiteral("TL"));
    for (const char* kod : {"ORTAK", "BNK"}) {
        try {
            k.kodKontrol(kod);
            ADD_FAILURE() << kod;
        } catch (const FieldError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Aynı Kasa Kodu, Başka Bir Kayda İşlenmiş.!!!"));
            EXPECT_EQ(e.column(), QStringLiteral("KASAKOD"));
        }
    }
    // Saving checks the code again, whatever the window did.
    k.setValue("KASAKOD", "ORTAK");
    EXPECT_THROW(k.save(), FieldError);
    k.setValue("KASAKOD", "  ");
    try {
        k.save();
        ADD_FAILURE();
    } catch (const FieldError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Kodu Bilgisini Vermeden Kayıt Saklanamaz."));
    }
    k.setValue("KASAKOD", "K1");
    k.setValue("ADI", "Merkez Kasa");
    k.save();
    KasaKart b(db);
    ASSERT_TRUE(b.ac("K1"));
    EXPECT_EQ(b.text("ADI"), QStringLiteral("Merkez Kasa"));
    b.setValue("ADI", "Ana Kasa");
    b.save();
    EXPECT_EQ(toText(db.scalar("SELECT ADI FROM KASA WHERE KASAKOD='K1'")), QStringLiteral("Ana Kasa"));
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM KASA").toInt(), 1);
}

TEST_F(KasaTest, DeskWithCashRowsStaysAndPortfolioIsNeverListed)
{
    exec("INSERT INTO KASA (KASAKOD, ADI) VALUES ('PK', 'PORTFÖY KASASI')");
    exec("INSERT INTO KASA (KASAKOD, ADI) VALUES ('K1', 'Bir')");
    exec("INSERT INTO KASA (KASAKOD, ADI) VALUES ('K2', 'İki')");
    exec("INSERT INTO KASAHRKT (KASAKOD, HRKNO, REF_TIP) VALUES ('K1', 5, 'B')");
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_THROW(KasaKart::sil(db, "K1"), UserError);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", false);
    EXPECT_FALSE(KasaKart::sil(db, "K2"));
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM KASA").toInt(), 3);

    KasaListe l(db);
    const ListQuery q = l.sorgu();
    QStringList listed;
    for (const QSqlRecord& r : db.records(q.orderedSql(db.dialect()), q.params))
        listed << toText(r.value("KASAKOD"));
    EXPECT_EQ(listed, (QStringList{"K1", "K2"}));
    const ListQuery ara = l.sorgu("ADI", "İk");
    EXPECT_EQ(db.records(ara.sql, ara.params).size(), 1);

    // A user with KIMKULKASA rows works with those desks only; others with every desk.
    EXPECT_EQ(kodlar(l.kullaniciKasalari("ALI")), (QStringList{"K1", "K2"}));
    l.setKullaniciKasalari("ALI", {"K2", "PK"});
    EXPECT_EQ(kodlar(l.kullaniciKasalari("ALI")), (QStringList{"K2"}));
    EXPECT_EQ(kodlar(l.kullaniciKasalari("VELI")), (QStringList{"K1", "K2"}));

    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(KasaKart::sil(db, "K2"));
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM KIMKULKASA WHERE KASAKOD='K2'").toInt(), 0);
}
