#pragma once
#include "db/Db.h"

#include <QDate>

namespace nimbo {

// What a finance line of kind "E" tells the paper it names.
struct CekSenetSatiri {
    QString islem;       // operation '1'..'9' (FINDET.TIP2)
    QString anaKod;      // the document's main code: the account, or the bank
    double tutar = 0;    // the line's amount in local currency (credit, or debit when it has none)
    double tutarDvz = 0; // the same in the line currency
    QString bankaKod;    // bank and account a paper is handed to (operation 3)
    QString hesapNo;
    QDate tarih;
};

// The status transitions of the portfolio, one call per line of a finance document. Runs
// inside the caller's transaction; a paper that may not undergo the operation (collecting
// a paper already returned, say) is refused with a UserError and nothing is written.
class CekSenetHareketi {
public:
    // Applies the operation to the card; returns the status it was given (the line's CS_DURUM).
    static QString uygula(const Db& db, double portfoyNo, const CekSenetSatiri& satir);
    // The refusal text for a paper in `durum` (the operation's name and the paper's label).
    static QString uygunsuzMesaji(const QString& islem, const QString& etiket);
};

} // namespace nimbo
