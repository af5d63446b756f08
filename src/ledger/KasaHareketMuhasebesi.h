#pragma once
#include "ledger/BelgeTurleri.h"

namespace nimbo {

// Posting of a direct cash movement (kind 'P'): the KASAHRKT rows of one movement number
// with the movement kinds "I", "A" (opening, debit / credit) and "B", "V" (transfer between
// desks, debit / credit). A transfer posts this desk against the counter desk; an opening
// posts the desk alone, so it balances only together with its other rows.
namespace KasaHareketMuhasebesi {

void muhasebelestir(TDMuh& m, bool);
QString turAdi(const QString& hrkTuru);
BelgeTuru tanim();

} // namespace KasaHareketMuhasebesi

} // namespace nimbo
