#include "stock/StockPricing.h"
#include "db/Db.h"

namespace nimbo {

namespace {
double num(const QVariantMap& row, const QString& col) { return row.value(col).toDouble(); }

// The own-currency column of a price kind (the minimum price spells it differently).
QString ownColumn(const QString& kind)
{
    return kind == QLatin1String("MINSATFYT") ? QStringLiteral("MINSATFYT_DVZ") : kind + QStringLiteral("_DOVIZ");
}

const char* const kKinds[] = {"ALIS_FYT", "SAT_SKFYT", "SAT_ABFYT", "SAT_BFYT", "MINSATFYT", "MALIYET_FYT"};

// The column of the currency an item is priced in: TL for the local currency.
QString currencySuffix(const QVariantMap& row, const QString& localCurrency)
{
    const QString dvz = toText(row.value(QStringLiteral("DOVIZ_KODU"))).trimmed().toUpper();
    const QString local = localCurrency.isEmpty() ? QStringLiteral("TL") : localCurrency.toUpper();
    if (dvz.isEmpty() || dvz == local || dvz == QLatin1String("TL"))
        return QStringLiteral("_TL");
    if (dvz == QLatin1String("USD") || dvz == QLatin1String("EUR"))
        return QLatin1Char('_') + dvz;
    return {};
}
} // namespace

void StockPricing::syncOwnCurrency(QVariantMap& row, const QVariantMap& before, const QString& localCurrency)
{
    const QString suffix = currencySuffix(row, localCurrency);
    if (suffix.isEmpty())
        return;
    for (const char* k : kKinds) {
        const QString own = ownColumn(QLatin1String(k));
        const QString mirror = QLatin1String(k) + suffix;
        const double a = num(row, own), b = num(row, mirror);
        const bool ownChanged = a != num(before, own), mirrorChanged = b != num(before, mirror);
        if (mirrorChanged && !ownChanged)
            row.insert(own, b);
        else if (ownChanged)
            row.insert(mirror, a);
        else if (a == 0 && b != 0)
            row.insert(own, b);
        else if (b == 0 && a != 0)
            row.insert(mirror, a);
    }
}

QString StockPricing::marginColumn(Margin m)
{
    switch (m) {
    case Margin::Retail: return QStringLiteral("KAR_ORAN");
    case Margin::Wholesale1: return QStringLiteral("KAR_ORAN_AB");
    case Margin::Wholesale2: return QStringLiteral("KAR_ORAN_B");
    }
    return {};
}

QString StockPricing::salePrefix(Margin m)
{
    switch (m) {
    case Margin::Retail: return QStringLiteral("SAT_SKFYT");
    case Margin::Wholesale1: return QStringLiteral("SAT_ABFYT");
    case Margin::Wholesale2: return QStringLiteral("SAT_BFYT");
    }
    return {};
}

void StockPricing::applyMargin(QVariantMap& row, Margin m)
{
    const double k = num(row, marginColumn(m));
    const QString tip = toText(row.value(QStringLiteral("KAR_TIP"))).trimmed().toUpper();
    const QString sale = salePrefix(m);
    QString base;
    if (tip == QLatin1String("A"))
        base = QStringLiteral("ALIS_FYT");
    else if (tip == QLatin1String("M"))
        base = QStringLiteral("MALIYET_FYT");
    else if (tip == QLatin1String("S"))
        base = sale;
    else
        return;
    for (const char* s : {"TL", "USD", "EUR", "DOVIZ"}) {
        const QString suffix = QLatin1Char('_') + QLatin1String(s);
        row.insert(sale + suffix, num(row, base + suffix) * (k + 100) / 100);
    }
}

void StockPricing::pricesFromRates(QVariantMap& row, const Rates& r, const QString& localCurrency)
{
    const QString dvz = toText(row.value(QStringLiteral("DOVIZ_KODU"))).trimmed().toUpper();
    const QString local = localCurrency.isEmpty() ? QStringLiteral("TL") : localCurrency.toUpper();
    // A missing or zero rate counts as 1, as everywhere rates are read.
    auto rate = [](double v) { return v == 0 ? 1.0 : v; };
    const double usd = rate(r.usd), eur = rate(r.eur), own = rate(r.own);
    for (const char* k : kKinds) {
        const QString kind = QLatin1String(k);
        const double p = num(row, ownColumn(kind));
        double tl = 0, pUsd = 0, pEur = 0;
        if (dvz == QLatin1String("USD")) {
            pUsd = p;
            tl = pUsd * usd;
            pEur = tl / eur;
        } else if (dvz.isEmpty() || dvz == local || dvz == QLatin1String("TL")) {
            tl = p;
            pUsd = tl / usd;
            pEur = tl / eur;
        } else if (dvz == QLatin1String("EUR")) {
            pEur = p;
            tl = pEur * eur;
            pUsd = tl / usd;
        } else {
            tl = p * own;
            pUsd = tl / usd;
            pEur = tl / eur;
        }
        row.insert(kind + QStringLiteral("_TL"), tl);
        row.insert(kind + QStringLiteral("_USD"), pUsd);
        row.insert(kind + QStringLiteral("_EUR"), pEur);
    }
}

} // namespace nimbo
