#pragma once
#include "ledger/BelgeTurleri.h"

namespace nimbo {

// Posting of a current-account movement (kind 'C'): the header CARIHRKM, its rows CARIHRK.
// A cash document debits or credits the cash desks per desk and group code and the
// accounts per row (a collection makes the voucher a "C", a payment an "E"); the other
// types post each row on its counter account, its customer-side code for a credit and
// its supplier-side code for a debit, maturity-difference invoices with their fixed
// accounts and VAT. Current-account codes carry the currency suffix of the row.
namespace CariHareketMuhasebesi {

void muhasebelestir(TDMuh& m, bool);
// "Nakit", "Dekont", ... by CARIHRKM.TIP.
QString tipAdi(const QString& tip);
BelgeTuru tanim();

} // namespace CariHareketMuhasebesi

} // namespace nimbo
