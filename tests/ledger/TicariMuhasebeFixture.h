#pragma once
#include "LedgerTestSupport.h"
#include "ledger/MuhKodIzi.h"
#include "ledger/MuhasebeKurulumu.h"
#include "ledger/TDMuh.h"
#include "trade/AlisFixture.h"

#include <QSqlRecord>

namespace nimbo::test {

// The trade fixture's firm with a chart and ledger codes on its cards: customer M1 (120.01,
// supplier side 320.01), desk K01 (100.01), items S001 and S002 both selling to 600.01
// with VAT to 391.01, buying to 153.01 with VAT to 191.01; the ledger's kinds registered.
class TicariMuhasebeTest : public AlisTestBase {
protected:
    void SetUp() override
    {
        AlisTestBase::SetUp();
        MuhKodIzi::setKlasor(TestEnv::tempDir());
        TDMuh::tanilama() = false;
        hesaplariAc(db, {
                 {"100.01", "MERKEZ KASA"},        {"120.01", "ALICILAR"},           {"150.01", "YOLDAKİ MALLAR"},
                 {"153.01", "TİCARİ MALLAR"},      {"153.02", "ALIŞ İADELERİ"},      {"153.03", "ALIŞ İSKONTOLARI"},
                 {"191.01", "İNDİRİLECEK KDV"},    {"191.02", "İADE KDV"},           {"193.01", "ÖDENEN ÖTV"},
                 {"320.01", "SATICILAR"},          {"360.01", "TEVKİFAT KDV"},       {"391.01", "HESAPLANAN KDV"},
                 {"391.02", "ALIŞ İADE KDV"},      {"600.01", "YURTİÇİ SATIŞLAR"},   {"610.01", "SATIŞTAN İADELER"},
                 {"611.01", "SATIŞ İSKONTOLARI"}, {"621.01", "SATILAN MAL MALİYETİ"}});
        exec("UPDATE CARI SET MUH_KOD = '120.01', MUH_KOD2 = '320.01' WHERE CARI_KOD = 'M1'");
        exec("UPDATE KASA SET MUH_KOD = '100.01' WHERE KASAKOD = 'K01'");
        exec("UPDATE PARAMETRE SET YERELDOVIZ = 'TL'");
        for (double stok : {1.0, 2.0})
            stokKodlari(stok);
        muhasebeyiKur();
    }

    void stokKodlari(double stokNo)
    {
        insert("STOKMUH", {{"STOK_NO", stokNo},        {"MUH_S", "600.01"},         {"MUH_KDV_S", "391.01"},
                           {"MUH_ISK_S", "611.01"},    {"MUH_IADE_A", "153.02"},    {"MUH_KDV_IADE_A", "391.02"},
                           {"MUH_A", "153.01"},        {"MUH_KDV_A", "191.01"},     {"MUH_ISK_A", "153.03"},
                           {"MUH_IADE_S", "610.01"},   {"MUH_KDV_IADE_S", "191.02"}, {"MUH_OTV_A", "193.01"},
                           {"MUH_MAL_S", "621.01"},    {"MUH_MAL_A", "150.01"}});
    }

    QStringList fisSatirlari(double fisNo) const { return test::fisSatirlari(db, fisNo); }

    double fisNo(const char* tablo, double no) const
    {
        return db.scalar(QStringLiteral("SELECT FIS_NO FROM %1 WHERE %1_NO = :n").arg(QLatin1String(tablo)),
                         {{QStringLiteral("n"), no}})
            .toDouble();
    }

    // Saves the document and answers the ledger question with Yes.
    void saklaVeMuhasebelestir(DocumentModel& b)
    {
        (**prompter).expectAsk(QStringLiteral("Muhasebe Kaydı Yapılsın mı?"), true);
        runAfterCommitSteps(ledgerSteps(b.save()));
    }

    static QList<AfterCommitStep> ledgerSteps(const SaveResult& r)
    {
        QList<AfterCommitStep> out;
        for (const AfterCommitStep& s : r.steps)
            if (s.kind == AfterCommitStep::Kind::Ledger)
                out << s;
        return out;
    }
};

} // namespace nimbo::test
