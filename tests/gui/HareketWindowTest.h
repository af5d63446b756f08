#pragma once
#include "DocumentWindowTest.h"
#include "services/SessionContext.h"

namespace nimbo::test {

// The firm an account or bank movement is entered in: TL, USD (30 since 2026-01-01) and
// EUR, the transaction kind 1 "Tahsilat" and the customer 120.01.001 "Güneş Kırtasiye".
class HareketWindowTest : public DocumentWindowTest {
protected:
    void SetUp() override
    {
        DocumentWindowTest::SetUp();
        SessionContext& s = SessionContext::current();
        s.param.YERELDOVIZ = "TL";
        s.param.RDOVIZ1 = "USD";
        s.param.RDOVIZ2 = "EUR";
        for (const char* d : {"TL", "USD"}) {
            exec("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES (:d, :d)", {{"d", d}});
            s.dovizler << PickItem{d, d};
        }
        exec("INSERT INTO CARIHRKTIP (TIP, AD) VALUES (1, 'Tahsilat')");
        s.cariHrkTipleri << PickItem{"Tahsilat", 1};
        exec("INSERT INTO KURDEGER (DOVIZ_KODU, TARIH, TLDEGERI_ALIS, TLDEGERI_SATIS) VALUES ('USD', :t, 30, 30)",
             {{"t", QDateTime(QDate(2026, 1, 1), QTime())}});
        exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('120.01.001', 'Güneş Kırtasiye')");
    }
};

} // namespace nimbo::test
