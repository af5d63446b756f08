#pragma once
#include "services/FinansHareketi.h"

#include <QList>

namespace nimbo {

// What the finance rows of a sales invoice are made of.
struct SatisFinansGirdisi {
    double satisNo = 0;
    QString tip, tipAdi;     // document type and its name
    QString aciklama, fatNo; // remark and invoice number, for the description
    double net = 0;          // N: NETTUT
    double kur = 1;          // R: TL_KURDEGER
    QString doviz;           // document currency
    double baKur = 1;        // B: rate of the customer's currency
    QString baDoviz;         // the customer's currency
    QDate tarih, vade;
    QString cariKod, cariAdi;
    QString personel;
    QString odeTip;          // P, H, K, ... (others write no payment)
    QString odemeKodu, odemeKodu2, odemeAdi; // cash desk, or bank and bank account
    double finId = 0;        // finance number of the sale row
    double odemeFinId = 0;   // finance number of the payment pair
    bool alis = false;       // a purchase: the supplier is credited, the payment goes out
};

// The rows a trade invoice writes into FINHRK. A sale: always the customer's debit; for a
// cash, bank-transfer or card sale also the customer's credit and the desk's or bank's
// debit. A purchase mirrors every side, with its own type codes and descriptions.
QList<FinansHareketi> satisFinansSatirlari(const SatisFinansGirdisi& g, double siraNo);

} // namespace nimbo
