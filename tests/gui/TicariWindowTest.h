#pragma once
#include "support/WindowTest.h"
#include "services/SessionContext.h"

namespace nimbo::test {

// The firm a trade window works in: TL, USD (32) and EUR (35) with today's rates, a
// warehouse, a cash desk, one account and one item (18 % VAT added, in TL).
class TicariWindowTest : public WindowTest {
protected:
    void kur(const QString& cariKod, const QString& firmaAdi, const QString& fiyatKolonu, double fiyat)
    {
        SessionContext& s = SessionContext::current();
        s.param.YERELDOVIZ = "TL";
        s.param.RDOVIZ1 = "USD";
        s.param.RDOVIZ2 = "EUR";
        for (const char* d : {"TL", "USD", "EUR"}) {
            exec("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES (:d, :d)", {{"d", d}});
            s.dovizler << PickItem{d, d};
        }
        const QDateTime bugun(QDate::currentDate(), QTime(8, 0));
        for (const auto& [d, k] : {std::pair{"USD", 32.0}, {"EUR", 35.0}})
            exec("INSERT INTO KURDEGER (DOVIZ_KODU, TARIH, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES (:d, :t, :k, :k)",
                 {{"d", d}, {"t", bugun}, {"k", k}});
        exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES (:k, :a)", {{"k", cariKod}, {"a", firmaAdi}});
        exec("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD) VALUES ('K01', 'Merkez Kasa', 'TL')");
        exec("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (1, 'Merkez Depo')");
        s.depolar << PickItem{"Merkez Depo", 1};
        exec(QStringLiteral("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BARKOD, BIRIM1, KDV, KDV_DAHIL, "
                            "DOVIZ_KODU, %1_TL, %1_DOVIZ) VALUES (1, 'KLM-01', 'Tükenmez Kalem', '8690001', 'ADET', 18, "
                            "'H', 'TL', :f, :f)")
                 .arg(fiyatKolonu),
             {{"f", fiyat}});
    }
    int count(const QString& sql, const Params& p = {}) { return db.scalar(sql, p).toInt(); }
    double value(const QString& sql, const Params& p = {}) { return db.scalar(sql, p).toDouble(); }
};

} // namespace nimbo::test
