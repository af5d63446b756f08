#pragma once
#include "StockTestUtil.h"
#include "services/SessionContext.h"
#include "model/DocumentError.h"
#include "services/Prompter.h"
#include "services/YeniKayitNo.h"
#include "stock/DepoKarti.h"
#include "stock/StockQuantities.h"
#include "stock/StokFisHaklari.h"
#include "stock/StokFisi.h"
#include "support/TestEnv.h"

namespace nimbo::test {

// A logged-in user with every right, the transfer switch on, two warehouses and a
// responsible person of their own.
class SlipTest : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        loginAs(QStringLiteral("U"));
        SessionContext::current().setHak(QStringLiteral("STKFISDEPTRSFR"), QStringLiteral("E"));
        db.exec("UPDATE KIMKUL SET PERSON_KOD = 'P1' WHERE KULLANICI = 'U'");
        depo(1, "Merkez");
        depo(2, "Şube Depo");
    }
    void depo(int kod, const char* ad)
    {
        DepoKarti k(db);
        k.startNew();
        k.setValue(QStringLiteral("DEPO_KODU"), kod);
        k.setValue(QStringLiteral("DEPO_ADI"), QString::fromUtf8(ad));
        k.save();
    }
    double onHand(double stokNo, int depoKodu)
    {
        return db.scalar("SELECT SUM(GIRMIK-CIKMIK) FROM STOKHRK WHERE STOK_NO = :S AND DEPO_KODU = :D",
                         {{"S", stokNo}, {"D", depoKodu}})
            .toDouble();
    }
    int movementRows(double hrkNo)
    {
        return db.scalar("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO = :N", {{"N", hrkNo}}).toInt();
    }
    // A saved transfer of one line between two warehouses, done ('T') or planned ('E').
    double transfer(double stokNo, double miktar, int from, int to, const QString& durum = QStringLiteral("T"))
    {
        StokFisi f(db, QStringLiteral("O"));
        f.setHeader(QStringLiteral("CIKDEPO"), from);
        f.setHeader(QStringLiteral("GIRDEPO"), to);
        f.setHeader(QStringLiteral("HRKDURUM"), durum);
        f.satirEkle(stokNo, miktar);
        f.save();
        return f.hrkNo();
    }
    // A saved slip of the type with one line per (item, quantity, price) in the warehouse.
    double slip(const QString& tip, const QList<std::tuple<double, double, double>>& lines, int depoKodu = 1,
                const QDate& tarih = QDate(2026, 3, 1))
    {
        StokFisi f(db, tip);
        f.setHeader(QStringLiteral("TARIH"), tarih);
        for (const auto& [stok, miktar, fiyat] : lines)
            f.setLine(f.satirEkle(stok, miktar, depoKodu), QStringLiteral("FYT_DOVIZ"), fiyat);
        f.save();
        return f.hrkNo();
    }
};

} // namespace nimbo::test
