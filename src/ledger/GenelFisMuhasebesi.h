#pragma once
#include "ledger/BelgeTurleri.h"

namespace nimbo {

// Posting of a general receipt/payment slip (kind 'X'): the header FISG, its rows FISGA.
// The slip's type names the voucher ("Tediye" a payment "E", "Tahsil" a collection "C",
// "Virman" and "Mahsup" journal vouchers "M"); each row is posted by its own type on the
// desk, the expense card (with VAT, and with the withheld tax of a row of type "G"), the
// item's accounts, a bank row's account or the current account, the row's MUH_KARSI taking
// the place of the card's account when set. A slip whose voucher belongs to another
// document is refused and that voucher left alone.
namespace GenelFisMuhasebesi {

void muhasebelestir(TDMuh& m, bool);
// "Tediye", "Tahsil", "Virman", "Mahsup" by FISG.TIP.
QString tipAdi(const QString& tip);
BelgeTuru tanim();

} // namespace GenelFisMuhasebesi

} // namespace nimbo
