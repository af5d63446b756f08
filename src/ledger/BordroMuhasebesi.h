#pragma once
#include "ledger/BelgeTurleri.h"

namespace nimbo {

// Posting of a cheque/note bordereau (kind 'E'): the header CSBORDRO, one CSBORAYR row
// per paper. Each bordereau type (and, for operations on customer and own papers, each
// operation IS_TUR) names a debit and a credit account for the paper's amount TUTAR and,
// where charges apply, for its MASRAF: the bordereau's current account (with the suffix of
// the paper's currency), the portfolio account of a paper in hand (EldekiMuhDondur), the
// paper's own MUH_KOD, the cash desk, an account of the bank account, or a fixed account
// of PARAMET.
namespace BordroMuhasebesi {

void muhasebelestir(TDMuh& m, bool);
// "Çek Girişi", ... by CSBORDRO.B_TUR.
QString turAdi(const QString& bTur);
BelgeTuru tanim();

} // namespace BordroMuhasebesi

} // namespace nimbo
