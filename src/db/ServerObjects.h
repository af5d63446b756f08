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

// Recomputes every foreign-currency item's local, USD and EUR prices (purchase, retail,
// main-dealer, dealer) from its own-currency prices at the rates in force at trh:
// the buying rate when askur is "A", else the selling rate. Items in the local currency,
// and currencies without a usable rate on that date, are left as they are. FYT_TRH takes
// the date. Returns the number of items updated.
int SP_SET_STOKFYT(const Db& db, const QDateTime& trh, const QString& askur);

// A voucher-line id (FISAYR.FA_ID) that no other line has (the procedure's result column
// YENINO). Call it inside the transaction that inserts the line.
int SP_GET_NEWFISAYR(const Db& db);

} // namespace ServerObjects

} // namespace nimbo
