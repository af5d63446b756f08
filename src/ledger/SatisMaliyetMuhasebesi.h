#pragma once
#include "ledger/BelgeTurleri.h"

namespace nimbo {

// The monthly cost-of-sales voucher (kind '6', document number = month 1-12): the month is
// costed first (SatisMaliyeti), then every sold line of it credits its item's stock account
// (MUH_A) and debits its cost-of-sales account (MUH_MAL_S) with cost x quantity. The voucher
// is dated on SATMALIMUH.TARIH, the month's last day. Bulk posting offers each month of its
// period that has sales invoices.
namespace SatisMaliyetMuhasebesi {

void muhasebelestir(TDMuh& m, bool);
BelgeTuru tanim();

} // namespace SatisMaliyetMuhasebesi

} // namespace nimbo
