#pragma once
#include "db/Db.h"
#include "model/ListQuery.h"

namespace nimbo {

// The older cheque/note bordereaux (CSBORDRO with one CSBORAYR row per paper): listed and
// deleted, never made anew.
class CekSenetBordro {
public:
    // "0" "Çek Giriş", ..., "D" carry-over.
    static QString turAdi(const QString& bTur);
    static ListQuery sorgu();

    // Asks "Kayıt Silinsin mi?"; refuses (UserError) a bordereau one of whose papers a later
    // bordereau moved, whose account movements are matched, or that is posted. Otherwise its
    // papers go back to the status their latest other bordereau gave them (a paper that came
    // in with it and has no other goes), and its account, bank and cash rows and itself are
    // deleted. True when it was deleted.
    static bool sil(const Db& db, double bordroNo);
};

} // namespace nimbo
