#pragma once
#include <QString>
#include <QVariant>

namespace nimbo {

// The fields of the stock list's filter; empty fields add no clause.
struct StockFilter {
    enum class InStock { All, InStock, NotInStock };

    QString kod{};                 // exact code
    QString kodFrom{}, kodTo{};    // code range
    QString pasif{};               // 'A' active, other values passive
    QVariant stokNoFrom{}, stokNoTo{};
    QVariant firmaNo{}, anaGrupNo{}, grupNo{}, altGrupNo{};
    QString renk{}, model{}, temsilci{};
    QString text{};                // free text over the concatenated columns
    InStock stock = InStock::All;
    QString orderBy{};             // a column of the list
    bool descending = false;

    bool isEmpty() const;
};

} // namespace nimbo
