#pragma once
#include "ledger/BelgeTurleri.h"

namespace nimbo {

// Stock slips (kind 'H', FISTK): the ledger writes no voucher for them. The kind is
// registered so that a saved slip's ledger question leads somewhere and the slip stays
// unposted; bulk posting does not list slips.
namespace StokFisiMuhasebesi {

void muhasebelestir(TDMuh& m, bool);
// The slip types as the ledger names them: "Fire", "Üretime Gidiş", ... (empty for others).
QString tipAdi(const QString& tip);
BelgeTuru tanim();

} // namespace StokFisiMuhasebesi

} // namespace nimbo
