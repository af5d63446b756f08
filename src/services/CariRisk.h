#pragma once
#include "db/Db.h"

namespace nimbo {

// The parts an account's credit risk is made of, in USD.
struct CariRiskBilesenleri {
    double bakiye = 0;            // CARIHRK debit minus credit
    double acikSatisIrsaliye = 0; // sales dispatch notes not invoiced
    double acikAlisIrsaliye = 0;  // purchase dispatch notes not invoiced
    double alinanCekSenet = 0;    // customer's papers not collected
    double verilenCekSenet = 0;   // own papers, and customer's papers endorsed to the account, not collected
};

// The credit-risk figure of one account as the movement windows test it.
struct CariRiskSonucu {
    QString cariKod;
    bool denetlenir = false; // RISK_DIG is "U" or "D" and RISKRITER is not "Y"
    QString riskDig;         // "U" warn, "D" stop
    bool alacakTarafi = false; // RISBAKTIP "A": credit risk
    double tutar = 0;        // exposure in USD, the line included
    double limit = 0;        // RISK_LIMITI
    bool asildi = false;     // above 0 and above the limit
    // CARI_KOD + " Kodlu Hesabın Borç Risk Limiti Aşılıyor !!!" or the credit-side text.
    QString uyariMetni() const;
};

CariRiskBilesenleri cariRiskBilesenleri(const Db& db, const QString& cariKod);

// Exposure of the account with the line being entered: satirTutari is the line's USD amount
// for a new document; eskiTutar the amount stored before when an existing one is edited
// (the difference is added). An unknown account is not checked.
CariRiskSonucu cariRiskHesapla(const Db& db, const QString& cariKod, double satirTutari, double eskiTutar = 0);

// The same, showing the warning when the limit is passed. Returns the result.
CariRiskSonucu cariRiskUyar(const Db& db, const QString& cariKod, double satirTutari, double eskiTutar = 0);

} // namespace nimbo
