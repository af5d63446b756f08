#pragma once
#include "SatisFixture.h"
#include "trade/AlisBelgesi.h"

namespace nimbo::test {

// The sales fixture's firm (currencies, accounts, items, warehouses, desk, bank) with
// purchase documents on top.
class AlisTestBase : public SatisTestBase {
protected:
    // A new purchase of the type from the supplier, dated `tarih` (today by default), on credit.
    std::unique_ptr<AlisBelgesi> yeniAlis(const QString& tip = "F", const QString& cariKod = "M1", QDate tarih = {})
    {
        if (!tarih.isValid())
            tarih = gun;
        auto b = std::make_unique<AlisBelgesi>(db);
        b->setHeader("TIP", tip);
        b->setHeader("CARIKOD", cariKod);
        b->setHeader("ODE_TIP", "V");
        b->setHeader("FATARIH", tarih);
        if (b->faturaKismi())
            b->setHeader("FAT_NO", QStringLiteral("AF%1").arg(++m_no, 5, 10, QLatin1Char('0')));
        if (b->irsaliyeKismi() && tip != "R" && tip != "H" && tip != "Y") {
            b->setHeader("IRS_NO", QStringLiteral("AI%1").arg(++m_no, 5, 10, QLatin1Char('0')));
            b->setHeader("IRSTARIH", tarih);
        }
        return b;
    }
    static int alisSatiri(AlisBelgesi& b, double stokNo, double miktar, double fiyat)
    {
        const int r = b.stokEkle(stokNo);
        b.setLine(r, "MIKTAR", miktar);
        b.setLine(r, "FYT_DOVIZ", fiyat);
        return r;
    }
    // One purchase saved: `miktar` of the item at `fiyat` before VAT; returns its number.
    double alisYap(const QString& tip, double stokNo, double miktar, double fiyat, QDate tarih = {})
    {
        auto b = yeniAlis(tip, "M1", tarih);
        alisSatiri(*b, stokNo, miktar, fiyat);
        b->save();
        return b->key().toDouble();
    }
    double stokDegeri(const char* kolon, double stokNo) const
    {
        return sum(QStringLiteral("SELECT %1 FROM STOK WHERE STOK_NO=:S").arg(QLatin1String(kolon)), {{"S", stokNo}});
    }
    // Every row any purchase wrote, in every table it writes.
    int alisSatirlari() const
    {
        int n = 0;
        for (const char* t : {"ALIS", "ALISAYR", "STOKHRK WHERE TIP='A'", "FINHRK", "KASAHRKT", "MALIFYT", "ODEMES",
                              "ISCILIKA", "MASRAFA", "FATIRS_A"})
            n += count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t)));
        return n;
    }

private:
    int m_no = 0;
};

} // namespace nimbo::test
