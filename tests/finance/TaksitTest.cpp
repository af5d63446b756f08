#include "FinansFixture.h"
#include "accounts/CariBakiye.h"
#include "db/Errors.h"
#include "finance/TaksitPlani.h"
#include "finance/TaksitTakip.h"

namespace nimbo::test {

namespace {

class TaksitTest : public FinansTestBase {
protected:
    // A sale of 1000 after a down payment of 200 on 15 January, in 4 instalments.
    TaksitPlanGirdisi girdi() const
    {
        TaksitPlanGirdisi g;
        g.satisNo = 77;
        g.cariKod = QStringLiteral("C1");
        g.doviz = QStringLiteral("TL");
        g.satisTutari = 1200;
        g.pesinat = 200;
        g.pesinatTarihi = QDate(2026, 1, 15);
        g.taksitSayisi = 4;
        return g;
    }
    void planla(const TaksitPlanGirdisi& g) { TaksitPlani::sakla(db, g, TaksitPlani::olustur(g)); }
    QString durum(int sira)
    {
        return toText(db.scalar("SELECT TAKSIT_ODENDI FROM TAKSITS WHERE SATIS_NO=77 AND SIRANO=:S", {{"S", sira}}));
    }
    double alacak() { return CariBakiye(db).toplam("C1").alacak; }
};

} // namespace

TEST_F(TaksitTest, PlanSplitsTheRemainderMonthlyAndMonthEndFallsOnEachLastDay)
{
    TaksitPlanGirdisi g = girdi();
    g.pesinatTarihi = QDate(2025, 12, 31);
    g.ilkVade = QDate(2026, 1, 31);
    g.aySonu = true;
    const QList<QVariantMap> t = TaksitPlani::olustur(g);
    ASSERT_EQ(t.size(), 4);
    QList<QDate> vadeler;
    for (const QVariantMap& r : t) {
        vadeler << toDate(r.value("ODE_TRH"));
        EXPECT_DOUBLE_EQ(r.value("ODEME_TUT").toDouble(), 250);
        EXPECT_EQ(r.value("TAKSIT_ODENDI").toString(), QStringLiteral("H"));
    }
    EXPECT_EQ(vadeler, (QList<QDate>{{2026, 1, 31}, {2026, 2, 28}, {2026, 3, 31}, {2026, 4, 30}}));
    EXPECT_EQ(t.last().value("SIRANO").toInt(), 4);

    // Without the option: a first due date not after the down payment becomes a month after it.
    TaksitPlanGirdisi d = girdi();
    d.ilkVade = QDate(2026, 1, 10);
    EXPECT_EQ(TaksitPlani::ilkVade(d), QDate(2026, 2, 15));
    // Nothing to split, nothing built.
    d.pesinat = 1200;
    EXPECT_TRUE(TaksitPlani::olustur(d).isEmpty());

    planla(g);
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS WHERE SATIS_NO=77 AND CARI_KOD='C1'"), 4);
    EXPECT_DOUBLE_EQ(TaksitTakip::kalanTutar(db, 77), 1000);
    // Planning again replaces the rows.
    g.taksitSayisi = 2;
    planla(g);
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS WHERE SATIS_NO=77"), 2);
}

TEST_F(TaksitTest, BadPlansAreRefusedAndWriteNothing)
{
    auto refused = [&](TaksitPlanGirdisi g, QList<QVariantMap> rows, const char* message) {
        try {
            TaksitPlani::sakla(db, g, rows);
            ADD_FAILURE() << "saved: " << message;
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(message));
        }
        EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS"), 0) << message;
    };
    TaksitPlanGirdisi g = girdi();
    const QList<QVariantMap> rows = TaksitPlani::olustur(g);
    TaksitPlanGirdisi x = g;
    x.satisTutari = 0;
    refused(x, rows, "Satış Tutarı Girilmemiş!");
    x = g;
    x.pesinatTarihi = {};
    refused(x, rows, "Peşinat Ödeme Tarihi Girilmemiş!");
    x = g;
    x.pesinat = -5;
    refused(x, rows, "Peşinat Tutarı Sıfırdan Küçük Olamaz!");
    x = g;
    x.taksitSayisi = 0;
    refused(x, {}, "Taksit Sayısı Sıfırdan Büyük Olmalı!");
    QList<QVariantMap> eksik = rows;
    eksik.removeLast();
    refused(g, eksik, "Taksitten Sonra Kalan Tutar Olmamalı!");
    QList<QVariantMap> erken = rows;
    erken.first().insert("ODE_TRH", QDateTime(g.pesinatTarihi, QTime(0, 0)));
    refused(g, erken, "Taksit ilk vade Peşinat Tarihinden Büyük Olmalı");
}

TEST_F(TaksitTest, CollectionsPostToTheStatementAndPenaltyFollowsTheDelay)
{
    planla(girdi()); // 4 x 250 due 15 Feb, 15 Mar, 15 Apr, 15 May
    TaksitTakip tk(db);
    tk.setCezaAyari({10, 15});

    // 10 days late with 15 days' grace: no question, a partial payment.
    tk.tahsilEt(77, 1, 100, QDate(2026, 2, 25), QStringLiteral("N"));
    EXPECT_EQ(durum(1), QStringLiteral("Y"));
    EXPECT_DOUBLE_EQ(sum("SELECT TAH_KALAN FROM TAKSITS WHERE SATIS_NO=77 AND SIRANO=1"), 150);
    EXPECT_DOUBLE_EQ(alacak(), 100);
    tk.tahsilEt(77, 1, 150, QDate(2026, 2, 26));
    EXPECT_EQ(durum(1), QStringLiteral("E"));
    // One account row per instalment, carrying the whole amount collected.
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE KODU='C1' AND BELGE_TIP='S' AND ACIKLAMA='1. Taksit Ödemesi.'"), 1);
    EXPECT_DOUBLE_EQ(alacak(), 250);
    const double cariNo = sum("SELECT CARI_NO FROM TAKSITS WHERE SATIS_NO=77 AND SIRANO=1");
    EXPECT_EQ(count("SELECT COUNT(*) FROM FINHRK WHERE FIN_ID=:C AND HRK_NO IS NULL", {{"C", cariNo}}), 1);

    // More than is due is refused.
    EXPECT_THROW(tk.tahsilEt(77, 2, 260, QDate(2026, 3, 10)), UserError);
    EXPECT_DOUBLE_EQ(sum("SELECT TAH_TUTAR FROM TAKSITS WHERE SATIS_NO=77 AND SIRANO=2"), 0);

    // 20 days late: the question; No leaves the amount due as it was.
    const QString soru = QStringLiteral("Bu ödeme vade tarihinden itibaren 20 gün geciktirilmiştir. Bu takside %10 "
                                        "oranında ceza uygulansın mı?");
    (*prompter)->expectAsk(soru, false);
    tk.tahsilEt(77, 2, 50, QDate(2026, 4, 4));
    EXPECT_DOUBLE_EQ(sum("SELECT ODEME_TUT FROM TAKSITS WHERE SATIS_NO=77 AND SIRANO=2"), 250);
    EXPECT_TRUE(db.scalar("SELECT CEZA_TUTAR FROM TAKSITS WHERE SATIS_NO=77 AND SIRANO=2").isNull());
    // Yes adds 10 % once, and the penalty may be paid with it.
    (*prompter)->expectAsk(QStringLiteral("Bu ödeme vade tarihinden itibaren 21 gün geciktirilmiştir. Bu takside %10 "
                                          "oranında ceza uygulansın mı?"),
                           true);
    tk.tahsilEt(77, 2, 225, QDate(2026, 4, 5));
    EXPECT_DOUBLE_EQ(sum("SELECT ODEME_TUT FROM TAKSITS WHERE SATIS_NO=77 AND SIRANO=2"), 275);
    EXPECT_DOUBLE_EQ(sum("SELECT CEZA_TUTAR FROM TAKSITS WHERE SATIS_NO=77 AND SIRANO=2"), 25);
    EXPECT_EQ(durum(2), QStringLiteral("E"));
    EXPECT_DOUBLE_EQ(TaksitTakip::kalanTutar(db, 77), 500);

    // A paid instalment keeps its due date and has a receipt; an unpaid one has none.
    EXPECT_THROW(tk.vadeDegistir(77, 2, QDate(2026, 6, 1)), UserError);
    EXPECT_NO_THROW(tk.makbuzKontrol(77, 2));
    EXPECT_THROW(tk.makbuzKontrol(77, 3), UserError);

    // Back to unpaid: No keeps it, Yes removes its account row and penalty.
    const QString geri = QStringLiteral("Ödenmiş taksidi carinin hareketlerinden silmek üzeresiniz. Devam edilsin mi?");
    (*prompter)->expectAsk(geri, false);
    EXPECT_FALSE(tk.odenmediYap(77, 2));
    EXPECT_EQ(durum(2), QStringLiteral("E"));
    (*prompter)->expectAsk(geri, true);
    EXPECT_TRUE(tk.odenmediYap(77, 2));
    EXPECT_EQ(durum(2), QStringLiteral("H"));
    EXPECT_DOUBLE_EQ(sum("SELECT ODEME_TUT FROM TAKSITS WHERE SATIS_NO=77 AND SIRANO=2"), 250);
    EXPECT_DOUBLE_EQ(alacak(), 250);

    // The list filters by state.
    TaksitFiltre f;
    f.durum = QStringLiteral("H");
    const ListQuery q = TaksitTakip::sorgu(f);
    EXPECT_EQ(db.records(q.sql, q.params).size(), 3);
}

TEST_F(TaksitTest, InstalmentsOfDifferentAccountsAreNotCollectedTogether)
{
    planla(girdi());
    TaksitPlanGirdisi b = girdi();
    b.satisNo = 78;
    b.cariKod = QStringLiteral("C2");
    planla(b);
    TaksitTakip tk(db);
    tk.setCezaAyari({10, 15});
    try {
        tk.topluTahsil({{77, 1}, {78, 1}}, QDate(2026, 2, 15));
        ADD_FAILURE() << "collected";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Aynı anda Farklı Carilerin taksit ödemesi yapılamaz"));
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS WHERE TAKSIT_ODENDI='E'"), 0);
    tk.topluTahsil({{77, 1}, {77, 2}}, QDate(2026, 2, 15));
    EXPECT_EQ(count("SELECT COUNT(*) FROM TAKSITS WHERE TAKSIT_ODENDI='E' AND SATIS_NO=77"), 2);
    EXPECT_DOUBLE_EQ(alacak(), 500);
}

} // namespace nimbo::test
