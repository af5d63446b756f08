#pragma once
#include <QDate>

#include "db/Db.h"

namespace nimbo {

// True when transactions are allowed on the date: PARAMET.KILIT_TRH and KILIT_TRH2 are read
// on every call; with both set the date must lie between them (both ends included). When it
// does not and mesajGoster is true, the lock message is shown.
bool TarihKilitKontrol(const QDate& tarih, bool mesajGoster = true);
// The same, reading PARAMET on the given connection.
bool TarihKilitKontrol(const Db& db, const QDate& tarih, bool mesajGoster = true);

} // namespace nimbo
