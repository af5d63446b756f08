#pragma once
#include "db/Db.h"

namespace nimbo {

// Account, cash-desk and bank codes share one name space: a code taken by one kind of
// record may not be given to another kind.
class KodAlani {
public:
    enum class Tur { Cari, Kasa, Banka };
    // True when a record of a kind other than `kendi` carries the code.
    static bool baskaTurdeVar(const Db& db, const QString& kod, Tur kendi);
};

} // namespace nimbo
