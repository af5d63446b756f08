#pragma once
#include "ledger/BelgeTurleri.h"

namespace nimbo {

// Posting of a bank movement (kind 'B'): the header BANKHRK, its rows BANKHRKA. The bank
// side of a row is the account's BANKAYR.MUH_CHES. Incoming and outgoing transfers and card
// collections post the bank against the row's current account (validated first: a row
// without a usable bank or account code refuses the whole movement); bank-cash rows post
// the bank against the desk; transfers, card transfers and the other types post the bank
// against the row's counter account, a card transfer splitting its commission off to
// MUH_KOMISYON and a rounding row (KUSURAT "E") writing only its counter line.
namespace BankaHareketMuhasebesi {

void muhasebelestir(TDMuh& m, bool);
// "Banka İşlemleri", "Banka Virman", ... by BANKHRK.TIP.
QString tipAdi(const QString& tip);
BelgeTuru tanim();

} // namespace BankaHareketMuhasebesi

} // namespace nimbo
