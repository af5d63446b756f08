#pragma once
#include "ledger/BelgeTurleri.h"

namespace nimbo {

// Posting of a purchase invoice (kind 'A', ALIS): the supplier-side account (or the cash desk
// of a cash invoice posted straight to cash) is credited with the net total; withheld VAT,
// the supplier transfer, each item's purchase (by document type), discount, VAT and special
// tax, the expenses and services are debited and credited by the item, expense and service
// cards. The return flag (a sales return entered on the purchase side) posts to the
// sales-return accounts and reverses the cost of sales the returned lines had.
// Discounts not posted apart debit the net goods amount, as sales do.
namespace AlisMuhasebesi {

void muhasebelestir(TDMuh& m, bool);
BelgeTuru tanim();

} // namespace AlisMuhasebesi

} // namespace nimbo
