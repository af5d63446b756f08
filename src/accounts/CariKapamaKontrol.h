#pragma once
#include "db/Db.h"

namespace nimbo {

// The matched test: a movement that has a match half (KCARI_NO above 0) in CODEKAP, CODEKAPU
// or CODEKAPE may be neither changed nor deleted until the match is undone.
class CariKapamaKontrol {
public:
    static QString mesaj(); // "Borç Kapama İşlemi Yapılmış Bu Kaydın Silinmesi için ..."
    static bool hareketEslesmis(const Db& db, double cariNo, int siraNo, const QString& crhrkTur);
    static bool belgeEslesmis(const Db& db, double refNo, const QString& crhrkTur);
};

} // namespace nimbo
