#include "FinanceFixture.h"
#include "support/Golden.h"
#include "ledger/BelgeTurleri.h"
#include "ledger/TopluMuhasebe.h"
#include "model/DocumentError.h"
#include "model/LedgerHook.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {

struct HrkSatiri {
    const char* cari;
    double borc;
    double alacak;
    const char* kasa = "";
    const char* doviz = "TL";
    double dvz = 0;
    double kur = 1;
    const char* muhKarsi = "";
    const char* muhDiger = "";
    const char* aciklama = "";
};

struct Durum {
    const char* ad;
    const char* tip;
    double kdv;
    QList<HrkSatiri> satirlar;
    bool basarili;
    const char* tur;          // the voucher's type
    QStringList beklenen;     // "CODE B|A amount" in line order
};

class CariHareketPosting : public FinanceTest {
protected:
    // A movement as its document writes it (header and rows), numbered no.
    void hareket(double no, const Durum& d)
    {
        exec("INSERT INTO CARIHRKM (CARI_NO, TARIH, TIP, KDV) VALUES (:n, :t, :tip, :k)",
             {{"n", no}, {"t", QDateTime(kGun, QTime())}, {"tip", QString::fromUtf8(d.tip)}, {"k", d.kdv}});
        int sira = 0;
        for (const HrkSatiri& s : d.satirlar) {
            const bool dovizli = QString::fromLatin1(s.doviz) != QLatin1String("TL");
            exec("INSERT INTO CARIHRK (CARI_NO, SIRANO, CARI_KOD, TIP, BORC, ALACAK, BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU, "
                 "TL_KURDEGER, KASAKOD, MUH_KARSI, MUH_DIGER, ACIKLAMA) VALUES (:n, :s, :c, 1, :b, :a, :bd, :ad, :d, "
                 ":kur, :kasa, :mk, :md, :ac)",
                 {{"n", no}, {"s", ++sira}, {"c", QString::fromLatin1(s.cari)}, {"b", s.borc}, {"a", s.alacak},
                  {"bd", dovizli && s.borc > 0 ? s.dvz : s.borc}, {"ad", dovizli && s.alacak > 0 ? s.dvz : s.alacak},
                  {"d", QString::fromLatin1(s.doviz)}, {"kur", s.kur}, {"kasa", QString::fromLatin1(s.kasa)},
                  {"mk", QString::fromLatin1(s.muhKarsi)}, {"md", QString::fromLatin1(s.muhDiger)},
                  {"ac", QString::fromUtf8(s.aciklama)}});
        }
    }
};

} // namespace

// The posting rules of an account movement, one movement per case: which accounts, which
// sides and amounts, in which order, and the voucher's type; refusals store nothing.
TEST_F(CariHareketPosting, EachMovementTypeBecomesItsVoucher)
{
    const QList<Durum> durumlar = {
        {"nakit tahsilat 500", "N", 0, {{"C1", 0, 500, "K01"}}, true, "C", {"100.01 B 500", "120.01 A 500"}},
        {"nakit ödeme 300", "N", 0, {{"C2", 300, 0, "K01"}}, true, "E", {"100.01 A 300", "320.01.0 B 300"}},
        {"iki kasa, bir kasa satırı", "N", 0, {{"C1", 0, 200, "K01"}, {"C1", 0, 50, "K01"}, {"C1", 0, 70, "K02"}}, true, "C",
         {"100.01 B 250", "100.02 B 70", "120.01 A 200", "120.01 A 50", "120.01 A 70"}},
        {"alınan vade farkı 118", "L", 18, {{"C2", 0, 118}}, true, "M",
         {"120.02.0 A 118", "780.01 B 100", "191.01 B 18"}},
        {"verilen vade farkı 118", "R", 18, {{"C1", 118, 0}}, true, "M",
         {"120.01 B 118", "642.01 A 100", "391.01 A 18"}},
        {"vade farkı KDV'siz", "L", 0, {{"C2", 0, 50}}, true, "M", {"120.02.0 A 50", "780.01 B 50"}},
        {"virman", "V", 0, {{"C1", 200, 0}, {"C2", 0, 200}}, true, "M", {"120.01 B 200", "120.02.0 A 200"}},
        {"karşı hesap ve ek borç", "D", 0, {{"C1", 0, 40, "", "TL", 0, 1, "600.01", "100.01"}, {"C1", 15, 0}, {"C1", 0, 15}},
         true, "M", {"600.01 A 40", "100.01 B 40", "120.01 B 15", "120.01 A 15"}},
        {"döviz kırılımı", "V", 0, {{"C2", 0, 3000, "", "USD", 100, 30}, {"C1", 3000, 0}}, true, "M",
         {"120.02.1 A 3000", "120.01 B 3000"}},
        {"sıfır satır yazılmaz", "D", 0, {{"C1", 0, 0}, {"C1", 10, 0, "", "TL", 0, 1, "600.01"}, {"C1", 0, 10}}, true, "M",
         {"600.01 B 10", "120.01 A 10"}},
        {"kodsuz cari", "D", 0, {{"C3", 10, 0}, {"C1", 0, 10}}, false, "", {}},
        {"dengesiz", "D", 0, {{"C1", 10, 0}, {"C1", 0, 9}}, false, "", {}},
    };
    f.cari("C3");
    double no = 0;
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        hareket(++no, d);
        const MuhasebeSonucu r = BelgeTurleri::muhasebelestir(db, *BelgeTurleri::bul(QLatin1Char('C')), no, false);
        EXPECT_EQ(r.basarili, d.basarili) << r.hata.toStdString();
        const QVariant fisNo = db.scalar("SELECT FIS_NO FROM CARIHRKM WHERE CARI_NO = :n", {{"n", no}});
        if (!d.basarili) {
            EXPECT_TRUE(fisNo.isNull());
            EXPECT_FALSE(r.hata.isEmpty());
            EXPECT_EQ(count("SELECT COUNT(*) FROM FIS WHERE ENT_TIP = 'C' AND ENT_REF_NO = :n", {{"n", no}}), 0);
            continue;
        }
        EXPECT_EQ(fisNo.toDouble(), r.fisNo);
        EXPECT_EQ(fisSatirlari(r.fisNo), d.beklenen);
        EXPECT_EQ(toText(db.scalar("SELECT TUR FROM FIS WHERE FISNO = :f", {{"f", r.fisNo}})), QString::fromLatin1(d.tur));
        EXPECT_EQ(count("SELECT COUNT(*) FROM FISAYR WHERE FISNO = :f AND ENT_REF_TIP = 'C' AND ENT_REF_NO = :n "
                        "AND GRUP1_KOD = 'TH'",
                        {{"f", r.fisNo}, {"n", no}}),
                  d.beklenen.size());
    }
}

// Narrations, the foreign amount on a suffixed line, and the fixed accounts that a maturity
// difference needs before anything is written.
TEST_F(CariHareketPosting, NarrationsCurrencyAndMissingFixedAccounts)
{
    hareket(1234, {"", "N", 0, {{"C1", 0, 500, "K01", "TL", 0, 1, "", "", "Peşin tahsilat"}}, true, "", {}});
    auto r = BelgeTurleri::muhasebelestir(db, *BelgeTurleri::bul(QLatin1Char('C')), 1234, false);
    ASSERT_TRUE(r.basarili) << r.hata.toStdString();
    EXPECT_EQ(toText(db.scalar("SELECT ACIKLAMA FROM FIS WHERE FISNO = :f", {{"f", r.fisNo}})),
              QStringLiteral("1.234 No.lu Cari Hrk.Fişi Nakit Tahsilat"));
    EXPECT_EQ(toText(db.scalar("SELECT ACIKLAMA FROM FISAYR WHERE FISNO = :f AND HSPKODU = '120.01'", {{"f", r.fisNo}})),
              QStringLiteral("(TH)Peşin tahsilat"));
    EXPECT_EQ(toText(db.scalar("SELECT ACIKLAMA FROM FISAYR WHERE FISNO = :f AND HSPKODU = '100.01'", {{"f", r.fisNo}})),
              QStringLiteral("(TH)1.234 No.lu Cari Hrk. Nakit Fişi"));

    hareket(2, {"", "V", 0, {{"C2", 0, 3000, "", "USD", 100, 30}, {"C1", 3000, 0}}, true, "", {}});
    r = BelgeTurleri::muhasebelestir(db, *BelgeTurleri::bul(QLatin1Char('C')), 2, false);
    ASSERT_TRUE(r.basarili);
    const auto usd = db.records("SELECT DOVIZ_KOD, DVZ_ALACAK, TL_DEGERI, ACIKLAMA FROM FISAYR WHERE FISNO = :f AND "
                                "HSPKODU = '120.02.1'",
                                {{"f", r.fisNo}});
    ASSERT_EQ(usd.size(), 1);
    EXPECT_EQ(toText(usd[0].value(0)), QStringLiteral("USD"));
    EXPECT_DOUBLE_EQ(usd[0].value(1).toDouble(), 100);
    EXPECT_DOUBLE_EQ(usd[0].value(2).toDouble(), 30);
    EXPECT_EQ(toText(usd[0].value(3)).toStdString(),
              std::string("(TH)2 No.lu Cari Hrk. Virman FişiSatır No:1 Firma C2,C2 Cari Kodlu Hesapın"));
    EXPECT_EQ(toText(db.scalar("SELECT DOVIZ_KOD FROM FISAYR WHERE FISNO = :f AND HSPKODU = '120.01'", {{"f", r.fisNo}})),
              QStringLiteral("TL"));

    // Without the breakdown switch the card's own code is used: here a main account, refused.
    exec("UPDATE PARAMET SET KIRIL_TAKIP = 'H'");
    hareket(3, {"", "V", 0, {{"C2", 0, 3000, "", "USD", 100, 30}, {"C1", 3000, 0}}, true, "", {}});
    r = BelgeTurleri::muhasebelestir(db, *BelgeTurleri::bul(QLatin1Char('C')), 3, false);
    EXPECT_FALSE(r.basarili);
    EXPECT_EQ(r.hata, TDMuh::eksikKodMesaji());
    EXPECT_TRUE(test::readFile(MuhKodIzi::dosya()).contains(QStringLiteral("\n120.02 3000.00 A\n")));

    exec("UPDATE PARAMETRE SET INDIR_KDV_KOD = NULL");
    hareket(4, {"", "L", 18, {{"C2", 0, 118}}, true, "", {}});
    (**prompter).expectWarn(TDMuh::eksikKodMesaji());
    EXPECT_FALSE(BelgeMuhasebelestir(QLatin1Char('C'), false, 4, 0, true));
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS WHERE ENT_REF_NO = 4"), 0);
}

// A saved account movement asks "Muhasebe Kaydı Yapılsın mı?" and posts on Yes; the
// corrected movement is posted again into the same voucher; a posted movement is not
// deleted. Kinds nobody registered ask nothing.
TEST_F(CariHareketPosting, SavedMovementAsksPostsRepostsInPlaceAndRefusesDelete)
{
    SessionContext::current().param.ayarlar.MUH_KAY = QStringLiteral("S");
    auto b = yeni(db, "N", "B");
    satir(*b, "C1", 500, true);
    SaveResult s = b->save();
    ASSERT_EQ(s.steps.size(), 1);
    EXPECT_EQ(s.steps[0].question, QStringLiteral("Muhasebe Kaydı Yapılsın mı?"));
    (**prompter).expectAsk(QStringLiteral("Muhasebe Kaydı Yapılsın mı?"), true);
    runAfterCommitSteps(s.steps);
    const double no = s.key.toDouble();
    const double fisNo = db.scalar("SELECT FIS_NO FROM CARIHRKM WHERE CARI_NO = :n", {{"n", no}}).toDouble();
    ASSERT_GT(fisNo, 0);
    const QString numara = toText(db.scalar("SELECT FISNUMARA FROM FIS WHERE FISNO = :f", {{"f", fisNo}}));
    EXPECT_EQ(fisSatirlari(fisNo), (QStringList{"100.01 B 500", "120.01 A 500"}));

    CariHareketBelgesi c(db, "N");
    c.open(no);
    c.setLine(0, "ALACAK_DVZ", 650);
    s = c.save();
    (**prompter).expectAsk(QStringLiteral("Muhasebe Kaydı Yapılsın mı?"), true);
    runAfterCommitSteps(s.steps);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS"), 1);
    EXPECT_EQ(db.scalar("SELECT FIS_NO FROM CARIHRKM WHERE CARI_NO = :n", {{"n", no}}).toDouble(), fisNo);
    EXPECT_EQ(toText(db.scalar("SELECT FISNUMARA FROM FIS WHERE FISNO = :f", {{"f", fisNo}})), numara);
    EXPECT_EQ(fisSatirlari(fisNo), (QStringList{"100.01 B 650", "120.01 A 650"}));

    CariHareketBelgesi d(db, "N");
    d.open(no);
    (**prompter).expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    (**prompter).expectWarn(QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez."));
    EXPECT_THROW(d.deleteDocument(), DocumentError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRKM WHERE CARI_NO = :n", {{"n", no}}), 1);

    EXPECT_TRUE(LedgerHook::step(db, {QStringLiteral("CARIHRKM"), "N", no}, "S").has_value());
    EXPECT_FALSE(LedgerHook::step(db, {QStringLiteral("BILINMEYEN"), "N", no}, "S").has_value());
}

class KasaHareketPosting : public FinanceTest {
protected:
    void satir(double no, int sira, const QString& tur, const QString& kasa, const QString& karsi, double tutar,
               const QString& refTip = QStringLiteral("K"))
    {
        exec("INSERT INTO KASAHRKT (TARIH, REF_TIP, HRKNO, SIRANO, HRK_TURU, BELGE_NO, KASAKOD, KARSIKOD, TUTAR) "
             "VALUES (:t, :r, :n, :s, :h, 'KV-1', :k, :kk, :tu)",
             {{"t", QDateTime(kGun, QTime())}, {"r", refTip}, {"n", no}, {"s", sira}, {"h", tur}, {"k", kasa},
              {"kk", karsi}, {"tu", tutar}});
    }
};

// Transfers between desks post this desk against the counter desk; the voucher takes the
// movement's document number and narration; FIS_NO goes to the movement's rows only, not to
// the rows another writer keeps under the same number.
TEST_F(KasaHareketPosting, TransfersPostDeskAgainstCounterDesk)
{
    satir(7, 1, "B", "K01", "K02", 250);
    satir(7, 2, "V", "K01", "K02", 40);
    satir(7, 3, "w", "K01", "C1", 999, "C");
    const auto r = BelgeTurleri::muhasebelestir(db, *BelgeTurleri::bul(QLatin1Char('P')), 7, false);
    ASSERT_TRUE(r.basarili) << r.hata.toStdString();
    EXPECT_EQ(fisSatirlari(r.fisNo), (QStringList{"100.01 B 250", "100.02 A 250", "100.01 A 40", "100.02 B 40"}));
    const auto h = db.records("SELECT ENT_TIP, BELGENO, ACIKLAMA, TUR FROM FIS WHERE FISNO = :f", {{"f", r.fisNo}});
    ASSERT_EQ(h.size(), 1);
    EXPECT_EQ(toText(h[0].value(0)), QStringLiteral("P"));
    EXPECT_EQ(toText(h[0].value(1)), QStringLiteral("KV-1"));
    EXPECT_EQ(toText(h[0].value(2)), QStringLiteral("7 No.lu Kasa Hareketi"));
    EXPECT_EQ(toText(h[0].value(3)), QStringLiteral("M"));
    EXPECT_EQ(toText(db.scalar("SELECT ACIKLAMA FROM FISAYR WHERE FISNO = :f AND SIRANO = 1", {{"f", r.fisNo}})),
              QStringLiteral("Kasa İşlemi Kasa Virman (Borç)"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO = 7 AND FIS_NO = :f", {{"f", r.fisNo}}), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO = 7 AND FIS_NO IS NULL"), 1);

    // A desk without a ledger code blocks the voucher.
    exec("UPDATE KASA SET MUH_KOD = NULL WHERE KASAKOD = 'K02'");
    satir(8, 1, "B", "K01", "K02", 10);
    const auto red = BelgeTurleri::muhasebelestir(db, *BelgeTurleri::bul(QLatin1Char('P')), 8, false);
    EXPECT_FALSE(red.basarili);
    EXPECT_EQ(red.hata, TDMuh::eksikKodMesaji());
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO = 8 AND FIS_NO IS NOT NULL"), 0);
}

// Bulk posting lists the unposted documents of a period by kind; a stop between two
// documents leaves the first fully posted and the rest untouched; refusals come back with
// their reasons; documents posted meanwhile are skipped.
TEST_F(CariHareketPosting, BulkPostingStopsBetweenDocumentsAndReportsRefusals)
{
    hareket(1, {"", "N", 0, {{"C1", 0, 500, "K01"}}, true, "", {}});
    hareket(2, {"", "D", 0, {{"C1", 10, 0}, {"C1", 0, 9}}, true, "", {}});
    hareket(3, {"", "V", 0, {{"C1", 200, 0}, {"C2", 0, 200}}, true, "", {}});
    hareket(4, {"", "I", 0, {{"C1", 200, 0}}, true, "", {}}); // openings are not listed
    exec("UPDATE CARIHRKM SET TARIH = :t WHERE CARI_NO = 3", {{"t", QDateTime(QDate(2026, 4, 2), QTime())}});

    TopluMuhasebe toplu(db);
    EXPECT_EQ(toplu.bekleyenler(QDate(2026, 3, 1), QDate(2026, 3, 31)).size(), 2);
    QList<BekleyenBelge> hepsi = toplu.bekleyenler(QDate(2026, 1, 1), QDate(2026, 12, 31), {QLatin1Char('C')});
    ASSERT_EQ(hepsi.size(), 3);
    EXPECT_EQ(hepsi[0].no, 1);
    EXPECT_EQ(hepsi[2].no, 3);
    EXPECT_TRUE(toplu.bekleyenler(QDate(2026, 1, 1), QDate(2026, 12, 31), {QLatin1Char('P')}).isEmpty());

    QList<int> gorulen;
    TopluSonuc s = toplu.muhasebelestir(hepsi, [&](int yapilan, int toplam) {
        gorulen << yapilan;
        return yapilan < 1;
    });
    EXPECT_TRUE(s.iptalEdildi);
    EXPECT_EQ(s.muhasebelesen, 1);
    EXPECT_EQ(gorulen, (QList<int>{0, 1}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRKM WHERE FIS_NO IS NOT NULL"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS"), 1);

    s = toplu.muhasebelestir(hepsi); // the first is posted already: skipped
    EXPECT_FALSE(s.iptalEdildi);
    EXPECT_EQ(s.muhasebelesen, 1);
    EXPECT_EQ(s.reddedilen, 1);
    ASSERT_EQ(s.redler.size(), 1);
    EXPECT_EQ(s.redler[0].first.no, 2);
    EXPECT_TRUE(s.redler[0].second.startsWith(QStringLiteral("Fiş Borç-Alacak Tutarı Birbirine Eşit Değil")));
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS"), 2);
    EXPECT_EQ(toplu.bekleyenler(QDate(2026, 1, 1), QDate(2026, 12, 31)).size(), 1);
    // Every voucher written balances.
    EXPECT_EQ(count("SELECT COUNT(*) FROM FIS WHERE ABS(BORC - ALACAK) > 0.001"), 0);
}
