#include "CariFixture.h"
#include "accounts/CariBakiye.h"
#include "accounts/CariListe.h"
#include "services/SessionContext.h"

#include <QSqlQuery>

namespace nimbo::test {

namespace {
const QDate kToday(2026, 3, 15);

class CariListeTest : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        const CariFixture f{db};
        f.insert(QStringLiteral("CANAGRUP"), {{QStringLiteral("GRUP_ADI"), QStringLiteral("MÜŞTERİLER")}});
        const int ana = db.scalar(QStringLiteral("SELECT MAX(KODU) FROM CANAGRUP")).toInt();
        f.cari(QStringLiteral("A1"), {{QStringLiteral("ILI"), QStringLiteral("İSTANBUL")},
                                      {QStringLiteral("ILCE"), QStringLiteral("KADIKÖY")},
                                      {QStringLiteral("SEMT"), QStringLiteral("Moda")},
                                      {QStringLiteral("CARI_GRP_KOD"), QStringLiteral("TOP")},
                                      {QStringLiteral("ALT_GRUP"), QStringLiteral("TOP01")},
                                      {QStringLiteral("ANA_GRUP"), ana},
                                      {QStringLiteral("MAKSVADEGUN"), 30},
                                      {QStringLiteral("YETKILI_ADI"), QStringLiteral("Şükrü")},
                                      {QStringLiteral("TCKIMLIKNO"), QStringLiteral("11111111110")}});
        f.cari(QStringLiteral("A2"), {{QStringLiteral("ILI"), QStringLiteral("İSTANBUL")},
                                      {QStringLiteral("ILCE"), QStringLiteral("ÜSKÜDAR")},
                                      {QStringLiteral("SEMT"), QStringLiteral("Moda'lı")},
                                      {QStringLiteral("CARI_GRP_KOD"), QStringLiteral("TOP")},
                                      {QStringLiteral("ALT_GRUP"), QStringLiteral("TOP02")},
                                      {QStringLiteral("MAKSVADEGUN"), 60},
                                      {QStringLiteral("FIRMA_ADI"), QStringLiteral("100% Gıda")}});
        f.cari(QStringLiteral("A3"), {{QStringLiteral("ILI"), QStringLiteral("ANKARA")},
                                      {QStringLiteral("SEMT"), QStringLiteral("Kızılay")},
                                      {QStringLiteral("PASIF"), QStringLiteral("P")},
                                      {QStringLiteral("ANA_GRUP"), ana},
                                      {QStringLiteral("FIRMA_ADI"), QStringLiteral("1000 Ambalaj")}});
        f.cari(QStringLiteral("A4"), {{QStringLiteral("FIRMA_ADI"), QStringLiteral("Yıldız' OR '1'='1")}});
        f.cari(QStringLiteral("A5"));
        f.cari(QStringLiteral("A6"));
        // Balances: A1 owes 100, A2 is owed 50, A3 is settled, A4..A6 have no movement.
        f.finhrk(QStringLiteral("A1"), 150, 0);
        f.finhrk(QStringLiteral("A1"), 0, 50, QStringLiteral("USD"));
        f.finhrk(QStringLiteral("A2"), 0, 50);
        f.finhrk(QStringLiteral("A3"), 30.1, 0);
        f.finhrk(QStringLiteral("A3"), 0, 30.1);
        f.finhrk(QStringLiteral("MERKEZ"), 500, 0); // a cash desk's row is no account
        // Instalments: A1 paid one that was due; A5 owes one due later; A6 missed one.
        f.taksit(QStringLiteral("A1"), 1, 1, kToday.addDays(-3), QStringLiteral("E"));
        f.taksit(QStringLiteral("A5"), 2, 1, kToday.addDays(10), QStringLiteral("H"));
        f.taksit(QStringLiteral("A5"), 2, 2, kToday, QString());
        f.taksit(QStringLiteral("A6"), 3, 1, kToday.addDays(-1), QString());
    }

    QStringList codes(const CariFiltre& f) const
    {
        const ListQuery q = CariListe(db).sorgu(f, kToday).whole(db.dialect());
        QSqlQuery r = db.exec(q.sql, q.params);
        QStringList out;
        while (r.next())
            out << sqlText(r.value(0));
        return out;
    }
};
} // namespace

TEST_F(CariListeTest, EveryFilterClauseNarrowsTheList)
{
    using L = QStringList;
    CariFiltre f;
    EXPECT_EQ(codes(f), (L{"A1", "A2", "A3", "A4", "A5", "A6"}));
    f.durum = CariFiltre::Durum::Aktif;
    EXPECT_EQ(codes(f), (L{"A1", "A2", "A4", "A5", "A6"}));
    f.durum = CariFiltre::Durum::Pasif;
    EXPECT_EQ(codes(f), L{"A3"});

    auto one = [&](auto set) {
        CariFiltre x;
        set(x);
        return codes(x);
    };
    EXPECT_EQ(one([](CariFiltre& x) { x.grup = QStringLiteral("TOP"); }), (L{"A1", "A2"}));
    EXPECT_EQ(one([](CariFiltre& x) { x.altGrup = QStringLiteral("TOP02"); }), L{"A2"});
    const int ana = db.scalar(QStringLiteral("SELECT MAX(KODU) FROM CANAGRUP")).toInt();
    EXPECT_EQ(one([&](CariFiltre& x) { x.anaGrup = ana; }), (L{"A1", "A3"}));
    EXPECT_EQ(one([](CariFiltre& x) { x.ilce = QStringLiteral("ÜSKÜDAR"); }), L{"A2"});
    EXPECT_EQ(one([](CariFiltre& x) { x.il = QStringLiteral("İSTANBUL"); }), (L{"A1", "A2"}));
    EXPECT_EQ(one([](CariFiltre& x) { x.semt = QStringLiteral("Moda%"); }), (L{"A1", "A2"}));
    EXPECT_EQ(one([](CariFiltre& x) { x.semt = QStringLiteral("Moda"); }), L{"A1"});
    EXPECT_EQ(one([](CariFiltre& x) { x.vadeGun = 60; }), L{"A2"});
    EXPECT_EQ(one([](CariFiltre& x) { x.bakiye = CariFiltre::Bakiye::Borclu; }), L{"A1"});
    EXPECT_EQ(one([](CariFiltre& x) { x.bakiye = CariFiltre::Bakiye::Alacakli; }), L{"A2"});
    // Only movements that sum to zero: an account that never moved has no balance to filter on.
    EXPECT_EQ(one([](CariFiltre& x) { x.bakiye = CariFiltre::Bakiye::Bakiyesiz; }), L{"A3"});
    EXPECT_EQ(one([](CariFiltre& x) { x.taksit = CariFiltre::Taksit::Taksitli; }), (L{"A1", "A5", "A6"}));
    EXPECT_EQ(one([](CariFiltre& x) { x.taksit = CariFiltre::Taksit::TaksitBakiyesiOlan; }), L{"A5"});
    EXPECT_EQ(one([](CariFiltre& x) { x.taksit = CariFiltre::Taksit::TaksitiOdemeyen; }), L{"A6"});

    // Clauses add up.
    CariFiltre both;
    both.il = QStringLiteral("İSTANBUL");
    both.bakiye = CariFiltre::Bakiye::Alacakli;
    EXPECT_EQ(codes(both), L{"A2"});
}

// Debits of 0,10 and 0,20 against a credit of 0,30 leave 5.5e-17 in doubles: the account is
// settled and shows "---   ", so the filters must not call it a debtor.
TEST_F(CariListeTest, BalanceFiltersTreatDoubleDustAsSettled)
{
    using L = QStringList;
    const CariFixture f{db};
    f.cari(QStringLiteral("A7"));
    f.finhrk(QStringLiteral("A7"), 0.1, 0);
    f.finhrk(QStringLiteral("A7"), 0.2, 0);
    f.finhrk(QStringLiteral("A7"), 0, 0.3);
    const CariToplam t = CariBakiye(db).toplam(QStringLiteral("A7"));
    ASSERT_NE(t.borc - t.alacak, 0.0); // the dust is really there
    EXPECT_EQ(CariBakiye::metin(t.borc, t.alacak), QStringLiteral("---   "));
    auto with = [&](CariFiltre::Bakiye b) {
        CariFiltre x;
        x.bakiye = b;
        return codes(x);
    };
    EXPECT_EQ(with(CariFiltre::Bakiye::Bakiyesiz), (L{"A3", "A7"}));
    EXPECT_EQ(with(CariFiltre::Bakiye::Borclu), L{"A1"});
    EXPECT_EQ(with(CariFiltre::Bakiye::Alacakli), L{"A2"});
}

TEST_F(CariListeTest, FilterValuesWithSqlCharactersFilterLiterally)
{
    using L = QStringList;
    CariFiltre f;
    f.il = QStringLiteral("İSTANBUL' OR '1'='1");
    EXPECT_EQ(codes(f), L{});
    f = {};
    f.semt = QStringLiteral("Moda'lı");
    EXPECT_EQ(codes(f), L{"A2"});
    f = {};
    f.grup = QStringLiteral("x'); DELETE FROM CARI; --");
    EXPECT_EQ(codes(f), L{});
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARI")).toInt(), 6);

    // Quick search: a prefix of the chosen column; % and _ are letters there.
    f = {};
    f.aramaAlani = QStringLiteral("FIRMA_ADI");
    f.aramaDegeri = QStringLiteral("100%");
    EXPECT_EQ(codes(f), L{"A2"});
    f.aramaDegeri = QStringLiteral("Yıldız' OR '1'='1");
    EXPECT_EQ(codes(f), L{"A4"});
    f.aramaDegeri = QStringLiteral("1");
    EXPECT_EQ(codes(f), (L{"A2", "A3"}));
    f.aramaAlani = QStringLiteral("CARI_KOD");
    f.aramaDegeri = QStringLiteral("A_");
    EXPECT_EQ(codes(f), L{});
    f.aramaDegeri = QStringLiteral("A");
    EXPECT_EQ(codes(f).size(), 6);
    f.aramaAlani = QStringLiteral("YETKILI_ADI");
    f.aramaDegeri = QStringLiteral("Şük");
    EXPECT_EQ(codes(f), L{"A1"});
    // Names in any case, Turkish letters folded as Turkish: "şük" is "ŞÜK", "yıldız" is not
    // "yildiz".
    f.aramaDegeri = QStringLiteral("şük");
    EXPECT_EQ(codes(f), L{"A1"});
    f.aramaAlani = QStringLiteral("FIRMA_ADI");
    f.aramaDegeri = QStringLiteral("yıldız");
    EXPECT_EQ(codes(f), L{"A4"});
    f.aramaDegeri = QStringLiteral("yildiz");
    EXPECT_EQ(codes(f), L{});
    f.aramaDegeri = QStringLiteral("100% gıda");
    EXPECT_EQ(codes(f), L{"A2"});
    f.aramaAlani = QStringLiteral("YETKILI_ADI");
    f.aramaAlani = QStringLiteral("TCKIMLIKNO");
    f.aramaDegeri = QStringLiteral("1111");
    EXPECT_EQ(codes(f), L{"A1"});
    // A column that is not a search column is ignored rather than put into the text.
    f.aramaAlani = QStringLiteral("1=1) OR (1");
    EXPECT_EQ(codes(f).size(), 6);
}

TEST_F(CariListeTest, DeleteRunsTheFourChecksAndRefusesAnyUse)
{
    loginAs(QStringLiteral("TEST")); // may change account cards
    const CariFixture f{db};
    f.cari(QStringLiteral("D_SEVK"));
    f.insert(QStringLiteral("CARISEVK"), {{QStringLiteral("CARIKOD"), QStringLiteral("D_SEVK")},
                                          {QStringLiteral("SUBE"), QStringLiteral("DEPO")}});
    f.cari(QStringLiteral("D_PERS"));
    f.insert(QStringLiteral("CARIPERS"), {{QStringLiteral("CARIKOD"), QStringLiteral("D_PERS")},
                                          {QStringLiteral("ADI"), QStringLiteral("Ali")}});
    f.cari(QStringLiteral("D_TASI"));
    f.insert(QStringLiteral("SEVK"), {{QStringLiteral("SNO"), 7}, {QStringLiteral("TASI_FIRMA"), QStringLiteral("D_TASI")}});
    f.cari(QStringLiteral("D_FIN"));
    f.finhrk(QStringLiteral("ZIRAAT"), 10, 0, QStringLiteral("TL"), QStringLiteral("D_FIN"));
    f.cari(QStringLiteral("D_OK"));
    f.insert(QStringLiteral("CARIBANKA"), {{QStringLiteral("CARI_KOD"), QStringLiteral("D_OK")},
                                           {QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT")}});

    const CariListe l(db);
    for (const char* used : {"D_SEVK", "D_PERS", "D_TASI", "D_FIN", "A1"}) {
        (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
        (*prompter)->expectInfo(QStringLiteral("Bu Cari Kod ile ilgili işlem var.Silinemez!"));
        EXPECT_FALSE(l.sil(QString::fromLatin1(used))) << used;
    }
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), false);
    EXPECT_FALSE(l.sil(QStringLiteral("D_OK")));
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    EXPECT_TRUE(l.sil(QStringLiteral("D_OK")));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARI WHERE CARI_KOD LIKE 'D%'")).toInt(), 4);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARIBANKA")).toInt(), 0);
}

// The debt-closing windows: only a dash in CHODEKAPAC refuses them, with its message; any
// other letter, or none, lets them open without a word.
TEST_F(CariListeTest, DebtClosingIsRefusedOnlyByADash)
{
    SessionContext& s = SessionContext::current();
    for (const QString& hak : {QStringLiteral("H"), QStringLiteral("O"), QStringLiteral("E"), QString()}) {
        s.setHak(QStringLiteral("CHODEKAPAC"), hak);
        EXPECT_TRUE(CariListe::borcKapatabilir()) << hak.toStdString();
    }
    s.setHak(QStringLiteral("CHODEKAPAC"), QStringLiteral("-"));
    (*prompter)->expectWarn(QStringLiteral("Borç Kapatma Yetkiniz Yok..!"));
    EXPECT_FALSE(CariListe::borcKapatabilir());
}

TEST_F(CariListeTest, RowTotalsAndBalanceTexts)
{
    const CariBakiye b(db);
    const CariToplam a1 = b.toplam(QStringLiteral("A1"));
    EXPECT_DOUBLE_EQ(a1.borc, 150);
    EXPECT_DOUBLE_EQ(a1.alacak, 50);
    EXPECT_EQ(CariBakiye::metin(a1.borc, a1.alacak), QStringLiteral("100,00 (B)"));
    const QList<CariToplam> d = b.dovizToplamlari(QStringLiteral("A1"));
    ASSERT_EQ(d.size(), 2);
    EXPECT_EQ(d[0].doviz, QStringLiteral("TL"));
    EXPECT_DOUBLE_EQ(d[0].borc, 150);
    EXPECT_EQ(d[1].doviz, QStringLiteral("USD"));
    EXPECT_DOUBLE_EQ(d[1].alacak, 50);
    const CariToplam a3 = b.toplam(QStringLiteral("A3"));
    EXPECT_EQ(CariBakiye::metin(a3.borc, a3.alacak), QStringLiteral("---   "));
    EXPECT_EQ(CariBakiye::metin(0, 1234567.891), QStringLiteral("1.234.567,89 (A)"));
    const CariToplam none = b.toplam(QStringLiteral("A6"));
    EXPECT_EQ(CariBakiye::metin(none.borc, none.alacak), QStringLiteral("---   "));
}

} // namespace nimbo::test
