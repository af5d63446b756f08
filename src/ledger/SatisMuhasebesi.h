#pragma once
#include "ledger/BelgeTurleri.h"

namespace nimbo {

// Posting of a sales invoice (kind 'S', SATIS): the customer (or, for a cash invoice posted
// straight to cash, the cash desk) is debited with the net total; each item, expense and
// service is credited with its goods amount (or its gross amount with a separate discount
// debit when discounts are shown apart) and its VAT. A cash invoice that is not posted
// straight to cash closes the customer against the desk in the same voucher. The return
// flag (a purchase return issued on the sales side) moves the credits to the purchase-return
// accounts. Missing codes are listed per item before anything is written.
namespace SatisMuhasebesi {

void muhasebelestir(TDMuh& m, bool);
BelgeTuru tanim();

} // namespace SatisMuhasebesi

} // namespace nimbo
