#pragma once
#include "CariFixture.h"
#include "accounts/CariHareketBelgesi.h"
#include "services/SessionContext.h"

namespace nimbo::test {

// Currencies TL/USD/EUR with rates on 2026-03-10 (USD 30, EUR 33), two accounts, a TL and
// a USD cash desk, and a logged-in user.
class CariHareketTestBase : public YearDbTest {
protected:
    inline static const QDate kGun{2026, 3, 10};

    void SetUp() override
    {
        YearDbTest::SetUp();
        loginAs("KASIYER");
        SessionContext::current().param.YERELDOVIZ = "TL";
        SessionContext::current().param.RDOVIZ1 = "USD";
        SessionContext::current().param.RDOVIZ2 = "EUR";
        f = CariFixture{db};
        for (const char* d : {"TL", "USD", "EUR", "GBP"})
            f.insert("DOVIZ", {{"DOVIZ_KODU", d}, {"DOVIZ_ADI", d}});
        rate("USD", kGun, 30);
        rate("EUR", kGun, 33);
        f.cari("C1");
        f.cari("C2");
        f.insert("KASA", {{"KASAKOD", "K01"}, {"ADI", "Merkez Kasa"}, {"DOVIZ_KOD", "TL"}});
        f.insert("KASA", {{"KASAKOD", "K02"}, {"ADI", "Döviz Kasa"}, {"DOVIZ_KOD", "USD"}});
    }
    void rate(const QString& d, const QDate& t, double v)
    {
        f.insert("KURDEGER", {{"DOVIZ_KODU", d}, {"TARIH", QDateTime(t, QTime(10, 0))}, {"TLDEGERI_ALIS", v},
                              {"TLDEGERI_SATIS", v}});
    }
    // A line with account, kind 1, currency and amount on the debit (borc) or credit side.
    static int satir(CariHareketBelgesi& b, const QString& kod, double tutar, bool alacak,
                     const QString& doviz = "TL")
    {
        const int r = b.addLine();
        b.setLine(r, "CARI_KOD", kod);
        b.setLine(r, "TIP", 1);
        b.setLine(r, "DOVIZ_KODU", doviz);
        b.setLine(r, alacak ? "ALACAK_DVZ" : "BORC_DVZ", tutar);
        return r;
    }
    static std::unique_ptr<CariHareketBelgesi> yeni(const Db& db, const QString& tip, const QString& taraf = {})
    {
        auto b = std::make_unique<CariHareketBelgesi>(db, tip, taraf);
        b->setHeader("TARIH", kGun);
        return b;
    }
    int count(const QString& sql, const Params& p = {}) const { return db.scalar(sql, p).toInt(); }
    double sum(const QString& sql, const Params& p = {}) const { return db.scalar(sql, p).toDouble(); }

    CariFixture f;
};

} // namespace nimbo::test
