#pragma once
#include "db/DbTransaction.h"
#include "services/SessionContext.h"
#include "support/TestEnv.h"
#include "trade/SatisBelgesi.h"

#include <QDate>
#include <memory>

namespace nimbo::test {

// Currencies with rates on the sale day (USD 30, EUR 33), customers, items with three units,
// two warehouses, a cash desk and a bank, and a logged-in user with every right.
class SatisTestBase : public YearDbTest {
protected:
    QDate gun = QDate::currentDate();

    void SetUp() override
    {
        YearDbTest::SetUp();
        loginAs("SATICI");
        SessionContext& s = SessionContext::current();
        s.param.YERELDOVIZ = "TL";
        s.param.RDOVIZ1 = "USD";
        s.param.RDOVIZ2 = "EUR";
        for (const char* d : {"TL", "USD", "EUR"})
            insert("DOVIZ", {{"DOVIZ_KODU", d}, {"DOVIZ_ADI", d}});
        insert("KURDEGER", {{"DOVIZ_KODU", "USD"}, {"TARIH", QDateTime(gun, QTime(9, 0))},
                            {"TLDEGERI_ALIS", 30.0}, {"TLDEGERI_SATIS", 30.0}});
        insert("KURDEGER", {{"DOVIZ_KODU", "EUR"}, {"TARIH", QDateTime(gun, QTime(9, 0))},
                            {"TLDEGERI_ALIS", 33.0}, {"TLDEGERI_SATIS", 33.0}});
        cari("M1");
        cari("M2");
        insert("KASA", {{"KASAKOD", "K01"}, {"ADI", "Merkez Kasa"}, {"DOVIZ_KOD", "TL"}});
        insert("BANKA", {{"BANKA_KOD", "B01"}, {"BANKA_ADI", "Ziraat"}});
        insert("BANKAYR", {{"BANKA_KOD", "B01"}, {"HESAP_NO", "123"}, {"DOVIZ_KODU", "TL"}, {"HESAR_TURU", "1"}});
        insert("DEPO", {{"DEPO_KODU", 1}, {"DEPO_ADI", "Merkez Depo"}});
        insert("DEPO", {{"DEPO_KODU", 2}, {"DEPO_ADI", "Şube Depo"}});
        stokKart(1, "S001", 100);
        stokKart(2, "S002", 50);
    }

    void insert(const QString& table, const QVariantMap& v) const
    {
        QStringList cols, holders;
        for (auto it = v.begin(); it != v.end(); ++it) {
            cols << it.key();
            holders << QLatin1Char(':') + it.key();
        }
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(table, cols.join(QLatin1Char(',')), holders.join(QLatin1Char(','))),
                v);
        tx.commit();
    }
    void exec(const QString& sql, const Params& p = {}) const
    {
        DbTransaction tx(db);
        db.exec(sql, p);
        tx.commit();
    }
    void cari(const QString& kod, const QVariantMap& extra = {}) const
    {
        QVariantMap v{{"CARI_KOD", kod}, {"FIRMA_ADI", "Müşteri " + kod}, {"PASIF", "A"}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            v.insert(it.key(), it.value());
        insert("CARI", v);
    }
    // An item selling at `fiyat` TL before VAT (18 %), units ADET, KOLI (12) and PALET (120).
    void stokKart(double no, const QString& kod, double fiyat, const QVariantMap& extra = {}) const
    {
        QVariantMap v{{"STOK_NO", no}, {"STOK_KOD_NO", kod}, {"STOK_ADI_TR", "Ürün " + kod}, {"BARKOD", "869" + kod},
                      {"BIRIM1", "ADET"}, {"BIRIM2", "KOLI"}, {"BIRIM3", "PALET"}, {"B_KATSAYI2", 12.0},
                      {"B_KATSAYI3", 120.0}, {"KDV", 18.0}, {"KDV_DAHIL", "H"}, {"DOVIZ_KODU", "TL"},
                      {"SAT_SKFYT_TL", fiyat}, {"SAT_SKFYT_DOVIZ", fiyat}, {"SAT_SKFYT_USD", fiyat / 30},
                      {"SAT_SKFYT_EUR", fiyat / 33}, {"SAT_BFYT_TL", fiyat * 0.9}, {"SAT_BFYT_DOVIZ", fiyat * 0.9}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            v.insert(it.key(), it.value());
        insert("STOK", v);
    }
    // Stock on hand through a movement row of an earlier document.
    void girisYap(double stokNo, int depo, double miktar, double belge = 900000) const
    {
        static int sira = 0;
        insert("STOKHRK", {{"SATISNO", belge}, {"TIP", "F"}, {"SIRANO", ++sira}, {"STOK_NO", stokNo},
                           {"GIRMIK", miktar}, {"CIKMIK", 0.0}, {"DEPO_KODU", depo},
                           {"TARIH", QDateTime(gun, QTime(0, 0))}});
    }
    void ayar(const QString& kolon, const QVariant& v) const
    {
        exec(QStringLiteral("UPDATE PARAMET SET %1=:V").arg(kolon), {{"V", v}});
    }

    // A new document of the type for the customer, dated today, paid by the desk.
    std::unique_ptr<SatisBelgesi> yeni(const QString& tip = "F", const QString& cariKod = "M1")
    {
        auto b = std::make_unique<SatisBelgesi>(db);
        b->setHeader("TIP", tip);
        b->setHeader("CARIKOD", cariKod);
        b->setHeader("KASAKOD", "K01");
        if (b->faturaKismi())
            b->setHeader("FAT_NO", QStringLiteral("A%1").arg(++m_fatNo, 5, 10, QLatin1Char('0')));
        if (b->irsaliyeKismi() && tip != "R") {
            b->setHeader("IRS_NO", QStringLiteral("I%1").arg(++m_irsNo, 5, 10, QLatin1Char('0')));
            b->setHeader("IRSTARIH", gun);
        }
        return b;
    }
    static int satir(SatisBelgesi& b, double stokNo, double miktar, double fiyat = -1)
    {
        const int r = b.stokEkle(stokNo);
        b.setLine(r, "MIKTAR", miktar);
        if (fiyat >= 0)
            b.setLine(r, "FYT_DOVIZ", fiyat);
        return r;
    }

    int count(const QString& sql, const Params& p = {}) const { return db.scalar(sql, p).toInt(); }
    double sum(const QString& sql, const Params& p = {}) const { return db.scalar(sql, p).toDouble(); }
    // Every row any sale wrote, in every table it writes.
    int derivedRows() const
    {
        int n = 0;
        for (const char* t : {"SATIS", "SATISAYR", "STOKHRK WHERE TIP='S'", "FINHRK", "KASAHRKT", "SEVK", "ODEMES",
                              "FATIRS_S", "ISCILIKS", "MASRAFS"})
            n += count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t)));
        return n;
    }

private:
    int m_fatNo = 0, m_irsNo = 0;
};

} // namespace nimbo::test
