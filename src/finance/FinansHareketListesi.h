#pragma once
#include "model/ListQuery.h"

#include <QDate>

namespace nimbo {

// "Finans Hareketleri": the finance transaction documents, narrowed by type pair, date range
// a code or second code named by one of their lines, and a quick search in the name ("ADI":
// the header's or a line's) or the description ("ACIKLAMA"). Unfiltered the newest day comes
// first; filtered by number.
struct FinansHareketFiltre {
    QString tip, tip2;
    QDate bas, son;
    QString kod, kod2;
    QString aramaAlani, aramaDegeri;
    bool bos() const
    {
        return tip.isEmpty() && !bas.isValid() && !son.isValid() && kod.isEmpty() && kod2.isEmpty()
               && aramaDegeri.trimmed().isEmpty();
    }
};

class FinansHareketListesi {
public:
    static ListQuery sorgu(const Dialect& d, const FinansHareketFiltre& f);
    // The SQL expression of a type pair's label over FINMAST M.
    static QString turAdiSql();
};

} // namespace nimbo
