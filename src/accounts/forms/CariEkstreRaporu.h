#pragma once
#include "accounts/CariEkstre.h"
#include "printing/ReportModel.h"

namespace nimbo {

// The printed account statements: in local currency, in one currency, and reduced to USD
// or EUR. Rows run oldest first after a carried-over line (the sums before the first
// printed day); the report engine adds page totals, "Nakli Yekün" and the grand total; the
// summary closes with total debit, total credit and the balance.
class CariEkstreRaporu {
public:
    enum class Bicim { Yerel, Dovizli, Usd, Eur };

    static QString baslik(Bicim b);
    // doviz: the currency of a one-currency statement; usd/eur: the firm's codes.
    static ReportModel olustur(const Db& db, const QString& kod, const CariEkstreFiltre& f, Bicim b,
                               const QString& doviz = {}, const QString& usd = QStringLiteral("USD"),
                               const QString& eur = QStringLiteral("EUR"));
};

} // namespace nimbo
