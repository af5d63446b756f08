#pragma once
#include "accounts/CariFixture.h"
#include "finance/BankaHareketBelgesi.h"
#include "finance/BankaKart.h"
#include "services/SessionContext.h"

namespace nimbo::test {

// Currencies TL/USD/EUR with rates on 2026-03-10 (USD 30, EUR 33), two accounts, a TL and a
// USD cash desk, and bank ZIRAAT with a TL, a USD and a POS account (2 % commission),
// stored through the bank card.
class FinansTestBase : public YearDbTest {
protected:
    inline static const QDate kGun{2026, 3, 10};

    void SetUp() override
    {
        YearDbTest::SetUp();
        loginAs(QStringLiteral("VEZNE"));
        SessionContext::current().param.YERELDOVIZ = QStringLiteral("TL");
        f = CariFixture{db};
        for (const char* d : {"TL", "USD", "EUR"})
            f.insert(QStringLiteral("DOVIZ"), {{QStringLiteral("DOVIZ_KODU"), d}, {QStringLiteral("DOVIZ_ADI"), d}});
        for (const auto& [d, v] : {std::pair{"USD", 30.0}, std::pair{"EUR", 33.0}})
            f.insert(QStringLiteral("KURDEGER"), {{QStringLiteral("DOVIZ_KODU"), d},
                                                  {QStringLiteral("TARIH"), QDateTime(kGun, QTime(10, 0))},
                                                  {QStringLiteral("TLDEGERI_ALIS"), v},
                                                  {QStringLiteral("TLDEGERI_SATIS"), v}});
        f.cari(QStringLiteral("C1"));
        f.cari(QStringLiteral("C2"));
        f.insert(QStringLiteral("KASA"), {{QStringLiteral("KASAKOD"), QStringLiteral("K01")},
                                          {QStringLiteral("ADI"), QStringLiteral("Merkez Kasa")},
                                          {QStringLiteral("DOVIZ_KOD"), QStringLiteral("TL")}});
        f.insert(QStringLiteral("KASA"), {{QStringLiteral("KASAKOD"), QStringLiteral("K02")},
                                          {QStringLiteral("ADI"), QStringLiteral("Döviz Kasa")},
                                          {QStringLiteral("DOVIZ_KOD"), QStringLiteral("USD")}});
        BankaKart b(db);
        b.yeni();
        b.setValue(QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT"));
        b.setValue(QStringLiteral("BANKA_ADI"), QStringLiteral("Ziraat Bankası"));
        b.setValue(QStringLiteral("BANKA_SUBE"), QStringLiteral("Kadıköy"));
        b.hesaplar << hesap(b, QStringLiteral("TL-1"), QStringLiteral("TL"), QStringLiteral("1"), 0)
                   << hesap(b, QStringLiteral("USD-1"), QStringLiteral("USD"), QStringLiteral("3"), 0)
                   << hesap(b, QStringLiteral("POS-1"), QStringLiteral("TL"), QStringLiteral("5"), 2);
        b.save();
    }
    static QVariantMap hesap(const BankaKart& b, const QString& no, const QString& doviz, const QString& tur,
                             double komisyon)
    {
        QVariantMap h = b.yeniHesap();
        h.insert(QStringLiteral("HESAP_NO"), no);
        h.insert(QStringLiteral("HESAP_ADI"), QStringLiteral("Hesap ") + no);
        h.insert(QStringLiteral("DOVIZ_KODU"), doviz);
        h.insert(QStringLiteral("HESAR_TURU"), tur);
        h.insert(QStringLiteral("KOMISYON"), komisyon);
        h.insert(QStringLiteral("MUH_KESCEK"), QStringLiteral("103.") + no);
        return h;
    }
    std::unique_ptr<BankaHareketBelgesi> yeniBelge(const QString& tip) const
    {
        auto b = std::make_unique<BankaHareketBelgesi>(db, tip);
        b->setHeader(QStringLiteral("TARIH"), kGun);
        return b;
    }
    // A line on a ZIRAAT account: money in (borc) or out; with an account or a desk beside it.
    static int satir(BankaHareketBelgesi& b, const QString& hesap, double tutar, bool giren, const QString& cari = {},
                     const QString& kasa = {})
    {
        const int r = b.addLine();
        b.setLine(r, QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT"));
        b.setLine(r, QStringLiteral("HESAP_NO"), hesap);
        if (!cari.isEmpty()) {
            b.setLine(r, QStringLiteral("CARI_KOD"), cari);
            b.setLine(r, QStringLiteral("CTIP"), 1);
        }
        if (!kasa.isEmpty())
            b.setLine(r, QStringLiteral("KASAKOD"), kasa);
        b.setLine(r, giren ? QStringLiteral("BORC_DVZ") : QStringLiteral("ALACAK_DVZ"), tutar);
        return r;
    }
    int count(const QString& sql, const Params& p = {}) const { return db.scalar(sql, p).toInt(); }
    double sum(const QString& sql, const Params& p = {}) const { return db.scalar(sql, p).toDouble(); }
    void exec(const QString& sql, const Params& p = {}) const
    {
        DbTransaction tx(db);
        db.exec(sql, p);
        tx.commit();
    }

    CariFixture f;
};

} // namespace nimbo::test
