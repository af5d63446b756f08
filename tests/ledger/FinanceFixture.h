#pragma once
#include "accounts/CariHareketFixture.h"
#include "LedgerTestSupport.h"
#include "ledger/MuhKodIzi.h"
#include "ledger/MuhasebeKurulumu.h"
#include "ledger/TDMuh.h"

namespace nimbo::test {

// The account-movement fixture with a chart, ledger codes on its cards and the ledger's
// document kinds registered: C1 a customer (120.01), C2 a supplier (320.01 / 120.02)
// tracked per currency (suffix ".0" for TL, ".1" for USD), desks K01 (100.01) and K02 (100.02), movement kind 1 of group "TH".
class FinanceTest : public CariHareketTestBase {
protected:
    void SetUp() override
    {
        CariHareketTestBase::SetUp();
        MuhKodIzi::setKlasor(TestEnv::tempDir());
        TDMuh::tanilama() = false;
        // Children first: no parent is a posting account when its child is added.
        hesaplariAc(db, {
                 {"100.01", "MERKEZ KASA"}, {"100.02", "DÖVİZ KASA"}, {"100", "KASA"}, {"120.01", "ALICILAR TL"},
                 {"120.02.0", "ALICILAR TL"}, {"120.02.1", "ALICILAR USD"}, {"120.02", "ALICILAR"}, {"120", "ALICILAR"}, {"191.01", "İNDİRİLECEK KDV"},
                 {"191", "İNDİRİLECEK KDV"}, {"320.01.0", "SATICILAR TL"}, {"320.01.1", "SATICILAR USD"}, {"320.01", "SATICILAR"}, {"320", "SATICILAR"},
                 {"391.01", "HESAPLANAN KDV"}, {"391", "HESAPLANAN KDV"}, {"600.01", "YURTİÇİ SATIŞLAR"},
                 {"600", "SATIŞLAR"}, {"642.01", "VADE FARKI GELİRLERİ"}, {"642", "FAİZ GELİRLERİ"},
                 {"780.01", "VADE FARKI GİDERLERİ"}, {"780", "FİNANSMAN GİDERLERİ"}});
        exec("UPDATE CARI SET MUH_KOD = '120.01', MUH_KOD2 = '120.01' WHERE CARI_KOD = 'C1'");
        exec("UPDATE CARI SET MUH_KOD = '120.02', MUH_KOD2 = '320.01', KIRILIMLI = 'E' WHERE CARI_KOD = 'C2'");
        exec("UPDATE KASA SET MUH_KOD = '100.01' WHERE KASAKOD = 'K01'");
        exec("UPDATE KASA SET MUH_KOD = '100.02' WHERE KASAKOD = 'K02'");
        exec("INSERT INTO CARIHRKTIP (TIP, AD, GRUP_KOD) VALUES (1, 'Tahsilat', 'TH')");
        exec("UPDATE PARAMET SET MUH_ALVADEFARK = '780.01', MUH_VERVADEFARK = '642.01', KIRIL_TAKIP = 'E'");
        exec("UPDATE PARAMETRE SET INDIR_KDV_KOD = '191.01', HSP_KDV_KOD = '391.01', YERELDOVIZ = 'TL'");
        exec("INSERT INTO CARI_KIRILKOD (DVZ_KOD, KIR_KOD) VALUES ('TL', '.0')");
    exec("INSERT INTO CARI_KIRILKOD (DVZ_KOD, KIR_KOD) VALUES ('USD', '.1')");
        muhasebeyiKur();
    }

    void exec(const QString& sql, const Params& p = {})
    {
        DbTransaction tx(db);
        db.exec(sql, p);
        tx.commit();
    }

    // One voucher line as "CODE B 100" (debit) or "CODE A 100" (credit), in line order.
    QStringList fisSatirlari(double fisNo) { return test::fisSatirlari(db, fisNo); }
};

} // namespace nimbo::test
