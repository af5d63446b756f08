#include "stock/StockRates.h"

#include <QTime>

namespace nimbo {

QString StockRates::localCurrency(const Db& db)
{
    const QString c = toText(db.scalar(QStringLiteral("SELECT YERELDOVIZ FROM PARAMETRE"))).trimmed();
    return c.isEmpty() ? QStringLiteral("TL") : c;
}

double StockRates::rate(const Db& db, const QString& currency, const QDate& day)
{
    const QString c = currency.trimmed().toUpper();
    if (c.isEmpty() || c == localCurrency(db).toUpper())
        return 1;
    const QDateTime until(day, QTime(23, 59, 59, 59));
    const QVariant v = db.scalar(db.dialect().limit(QStringLiteral("SELECT TLDEGERI_SATIS FROM KURDEGER WHERE "
                                                                   "(DOVIZ_KODU=:dvz) AND (TARIH<=:trh) ORDER BY TARIH DESC"),
                                                    1),
                                 {{QStringLiteral("dvz"), c}, {QStringLiteral("trh"), until}});
    const double r = v.toDouble();
    return r == 0 ? 1 : r;
}

} // namespace nimbo
