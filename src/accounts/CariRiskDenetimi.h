#pragma once
#include "db/Db.h"

namespace nimbo {

class CheckContext;

// The credit-risk test a document runs for each line that moves an account: the account's
// debit (borcUsd) and credit (alacakUsd) of the line in USD, and what the line held when it
// was loaded (0 for a new line). Over the limit, "U" asks whether to go on (No stops the
// save) and "D" refuses; the refusal points at the line's column.
void cariRiskDenetle(CheckContext& x, const Db& db, const QString& kod, double borcUsd, double alacakUsd,
                     double eskiBorcUsd, double eskiAlacakUsd, const QString& column, int row, const QString& lines);

} // namespace nimbo
