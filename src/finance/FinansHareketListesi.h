#pragma once
#include "model/ListQuery.h"

#include <QDate>

namespace nimbo {

// "Finans Hareketleri": the finance transaction documents, narrowed by type pair, date range
// and a code or second code named by one of their lines. Unfiltered the newest day comes
// first; filtered by number.
struct FinansHareketFiltre {
    QString tip, tip2;
    QDate bas, son;
    QString kod, kod2;
    bool bos() const { return tip.isEmpty() && !bas.isValid() && !son.isValid() && kod.isEmpty() && kod2.isEmpty(); }
};

class FinansHareketListesi {
public:
    static ListQuery sorgu(const FinansHareketFiltre& f);
    // The SQL expression of a type pair's label over FINMAST M.
    static QString turAdiSql();
};

} // namespace nimbo
