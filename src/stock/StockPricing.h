#pragma once
#include <QString>
#include <QVariantMap>

namespace nimbo {

// The price arithmetic of the stock card, on a row of STOK column values.
class StockPricing {
public:
    // Which margin editor was left: KAR_ORAN (retail), KAR_ORAN_AB (first wholesale),
    // KAR_ORAN_B (second wholesale).
    enum class Margin { Retail, Wholesale1, Wholesale2 };

    // Recomputes the sale price columns of the margin from the KAR_TIP basis: 'A' purchase
    // price, 'M' cost price, 'S' the current sale price itself (so leaving twice raises twice).
    static void applyMargin(QVariantMap& row, Margin m);

    struct Rates {
        double usd = 1;   // USD rate of the day
        double eur = 1;   // EUR rate of the day
        double own = 1;   // rate of the item's own currency when it is neither TL, USD nor EUR
    };
    // Fills the TL, USD and EUR columns of the six price kinds from the own-currency column.
    static void pricesFromRates(QVariantMap& row, const Rates& r, const QString& localCurrency = QStringLiteral("TL"));

    // An item priced in the local currency, USD or EUR has one price per kind in two columns:
    // the own-currency column (P_DOVIZ) and that currency's column. Whichever the user changed
    // since `before` is copied over the other; when neither changed, a filled one fills an
    // empty one. Other own currencies are left alone.
    static void syncOwnCurrency(QVariantMap& row, const QVariantMap& before,
                                const QString& localCurrency = QStringLiteral("TL"));

    static QString marginColumn(Margin m);
    static QString salePrefix(Margin m);
};

} // namespace nimbo
