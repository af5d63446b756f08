#pragma once
#include "StockTestUtil.h"
#include "services/SessionContext.h"
#include "services/Prompter.h"
#include "services/YeniKayitNo.h"
#include "stock/DepoKarti.h"
#include "stock/StockQuantities.h"
#include "stock/StokFisHaklari.h"
#include "stock/StokFisi.h"
#include "support/TestEnv.h"

namespace nimbo::test {

// Runs f the way a window does: a refusal is shown as a warning. True when nothing refused.
inline bool runQuietly(const std::function<void()>& f)
{
    try {
        f();
        return true;
    } catch (const UserError& e) {
        Prompter::instance().warn(e.message());
        return false;
    }
}

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
        StokFisi f(db);
        f.yeni(QStringLiteral("O"));
        f.baslik().cikDepo = from;
        f.baslik().girDepo = to;
        f.baslik().hrkDurum = durum;
        f.satirEkle(stokNo, miktar);
        return f.kaydet().hrkNo;
    }
    // A saved slip of the type with one line per (item, quantity, price) in the warehouse.
    double slip(const QString& tip, const QList<std::tuple<double, double, double>>& lines, int depoKodu = 1,
                const QDate& tarih = QDate(2026, 3, 1))
    {
        StokFisi f(db);
        f.yeni(tip);
        f.tarihDegisti(tarih);
        for (const auto& [stok, miktar, fiyat] : lines)
            f.satirEkle(stok, miktar, depoKodu).fytDoviz = fiyat;
        return f.kaydet().hrkNo;
    }
};

} // namespace nimbo::test
