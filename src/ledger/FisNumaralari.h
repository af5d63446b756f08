#pragma once
#include "db/Db.h"
#include "ledger/Fis.h"

namespace nimbo {

// Voucher numbers from the one-row counter NEWFIS, each taken under the counter's lock
// (busy message and retry while another workstation holds it).
class FisNumaralari {
public:
    // The next internal voucher number (NEWFIS.YENINO).
    static double YeniFisKayitNo(const Db& db);
    // Assigns YEVMIYE_NO and FISNUMARA where they are still empty, advancing their counters.
    static void FisBelgeNumara(const Db& db, Fis& fis);
    // What a voucher still lacks, drawn together in one statement under the counter's lock:
    // the internal number (yeniNo), and with belgeNumaralari the journal and printed numbers
    // where still empty. Inside an open transaction on this connection (always on SQLite, on
    // PostgreSQL only with joinOpenTransaction) the numbers stay used should it roll back.
    static void numaralariAl(const Db& db, Fis& fis, bool yeniNo, bool belgeNumaralari,
                             bool joinOpenTransaction = true);
    // prefix + zeros up to 8 characters + counter ("MH" and 42 give "MH000042").
    static QString FisNumarasi(const QString& onEk, double sayac);
};

} // namespace nimbo
