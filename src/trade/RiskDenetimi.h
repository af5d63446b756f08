#pragma once
#include "model/CheckContext.h"

namespace nimbo {

// What a trade document's credit-risk check weighs: the account's criterion ('1' to '4', 'B'),
// its mode ('U' ask, 'D' refuse) and limit, and the amounts on the account's side.
struct RiskGirdisi {
    QString kod;             // account code, the start of the message
    QString kriter, mod;
    QString yon;             // "Borç" for a customer, "Alacak" for a supplier
    double limit = 0;
    double irsaliyeler = 0;  // uninvoiced dispatch notes
    double cekler = 0;       // cheques and notes not yet settled
    double bakiye = 0;       // the account's balance after the document, on its side
    double net = 0;          // the document's net amount
};

// Asks or refuses when the exposure the criterion builds exceeds the limit.
void riskDenetle(CheckContext& x, const RiskGirdisi& g, const QString& alan);

} // namespace nimbo
