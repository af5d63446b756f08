#pragma once
#include "db/Db.h"

#include <QDateTime>

namespace nimbo {

// The procedures the year database offers the program. Each runs on the given connection,
// inside whatever transaction the caller has open there (none is started or committed).
namespace ServerObjects {

// The parameters of SP_INS_FINHRK, in call order; each names the FINHRK column it fills.
const QStringList& finhrkParameterNames();

// Inserts one FINHRK row whose columns take the values of the parameters of the same
// names (keys without "@"; missing keys are stored as NULL). AY and YIL are taken from
// TARIH. Returns the number of rows written (1).
int SP_INS_FINHRK(const Db& db, const Params& params);
// The FINHRK row SP_INS_FINHRK writes for these parameters (every parameter column, AY and
// YIL from TARIH); an unknown parameter is refused.
QVariantMap finhrkRow(const Params& params);

// Recomputes every foreign-currency item's local, USD and EUR prices (purchase, retail,
// main-dealer, dealer) from its own-currency prices at the rates in force at trh:
// the buying rate when askur is "A", else the selling rate. Items in the local currency,
// and currencies without a usable rate on that date, are left as they are. FYT_TRH takes
// the date. Returns the number of items updated.
int SP_SET_STOKFYT(const Db& db, const QDateTime& trh, const QString& askur);

// A voucher-line id (FISAYR.FA_ID) that no other line has (the procedure's result column
// YENINO). Call it inside the transaction that inserts the line.
int SP_GET_NEWFISAYR(const Db& db);
// Ids for `count` lines at once, ascending (one statement): what as many calls of the one
// above would hand out, for a writer that inserts the lines together.
QList<int> SP_GET_NEWFISAYR(const Db& db, int count);

// The portfolio ledger account of a cheque or note in hand (the result ELDEKI_MUH_KOD):
// a customer's cheque PARAMET.MUH_ELCEK, a customer's note MUH_ELSEN, our own cheque
// MUH_KESCEK, our own note MUH_BORCSEN. A paper due more than CEKSENETUZUNVADEAY months
// (when set) after today goes to the long-term account of the uniform chart: the first
// digit 1 becomes 2 and 3 becomes 4 (121 -> 221, 321 -> 421). The currency does not change
// the account. Empty when the firm has no such account.
QString EldekiMuhDondur(const Db& db, const QString& doviz, const QString& csTip, const QString& sahip,
                        const QDate& vade, const QDate& bugun);

// "E" when the paper is protested (dishonoured "K", given for collection after protest "R",
// or collected after protest), else "H"; empty for an unknown portfolio number.
QString CekSenetProtesto(const Db& db, double portfoyNo);

// Creates (or replaces) EldekiMuhDondur and CekSenetProtesto as SQL functions on
// PostgreSQL; SQLite runs the same rules in the program.
void createPortfolioFunctions(const Db& db);

} // namespace ServerObjects

} // namespace nimbo
