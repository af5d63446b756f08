#include "services/ExchangeRates.h"
#include "services/SessionContext.h"

#include <QSqlQuery>

namespace nimbo {

namespace {

QDateTime g_lastRateDate;

struct RateRow {
    bool found = false;
    double satis = 0;
    double alis = 0;
    QDateTime tarih;
};

RateRow latestRow(const Db& db, const QString& dovizKodu, const QDate& tarih)
{
    const QVector<QSqlRecord> rows =
        db.records(db.dialect().limit(QStringLiteral("SELECT TLDEGERI_SATIS, TARIH, TLDEGERI_ALIS FROM KURDEGER "
                                                     "WHERE (DOVIZ_KODU = :dvz) AND (TARIH <= :trh) "
                                                     "ORDER BY TARIH DESC"),
                                      1),
                   {{QStringLiteral("dvz"), dovizKodu}, {QStringLiteral("trh"), endOfRateDay(tarih)}});
    RateRow r;
    if (!rows.isEmpty()) {
        r.found = true;
        r.satis = rows.first().value(0).toDouble();
        r.tarih = toDateTime(rows.first().value(1));
        r.alis = rows.first().value(2).toDouble();
    }
    return r;
}

bool isLocal(const QString& dovizKodu)
{
    const QString local = SessionContext::current().param.YERELDOVIZ.trimmed();
    return !local.isEmpty() && dovizKodu.trimmed().compare(local, Qt::CaseInsensitive) == 0;
}

// Report-currency variant: no local shortcut, zero or negative gives 1.
double reportRate(const Db& db, const QString& dovizKodu, int tip, const QDate& tarih, bool keepDate)
{
    const RateRow r = latestRow(db, dovizKodu, tarih);
    if (!r.found)
        return 1;
    if (keepDate)
        g_lastRateDate = r.tarih;
    const double v = tip == 1 ? r.alis : r.satis;
    return v > 0 ? v : 1;
}

} // namespace

QDateTime endOfRateDay(const QDate& d) { return QDateTime(d, QTime(23, 59, 59, 59)); }

QDateTime SonKurTarihi() { return g_lastRateDate; }

QString rateKindColumn(const QString& kindCode)
{
    const QString c = kindCode.trimmed().toUpper();
    if (c == QLatin1String("MA"))
        return QStringLiteral("TLDEGERI_ALIS");
    if (c == QLatin1String("MS"))
        return QStringLiteral("TLDEGERI_SATIS");
    if (c == QLatin1String("EA"))
        return QStringLiteral("EFKTLDEGERI_ALIS");
    if (c == QLatin1String("ES"))
        return QStringLiteral("EFKTLDEGERI_SATIS");
    if (c == QLatin1String("OS"))
        return QStringLiteral("OZELTLDEGERI_SATIS");
    return {};
}

double KurBulDeger(const QString& dovizKodu, int tip, const QDate& tarih)
{
    return KurBulDeger(SessionContext::current().db(), dovizKodu, tip, tarih);
}

double KurBulDeger(const Db& db, const QString& dovizKodu, int tip, const QDate& tarih)
{
    if (isLocal(dovizKodu))
        return 1;
    const RateRow r = latestRow(db, dovizKodu, tarih);
    if (!r.found)
        return 1;
    g_lastRateDate = r.tarih;
    const double v = tip == 1 ? r.alis : r.satis;
    return v == 0 ? 1 : v;
}

double Kur1RxBulDeger(int tip, const QDate& tarih) { return Kur1RxBulDeger(SessionContext::current().db(), tip, tarih); }

double Kur1RxBulDeger(const Db& db, int tip, const QDate& tarih)
{
    return reportRate(db, SessionContext::current().param.RDOVIZ1, tip, tarih, true);
}

double Kur2RyBulDeger(int tip, const QDate& tarih) { return Kur2RyBulDeger(SessionContext::current().db(), tip, tarih); }

double Kur2RyBulDeger(const Db& db, int tip, const QDate& tarih)
{
    return reportRate(db, SessionContext::current().param.RDOVIZ2, tip, tarih, false);
}

double KurBulDeger2(const QString& dovizKodu, const QString& kullanim, const QDate& tarih)
{
    return KurBulDeger2(SessionContext::current().db(), dovizKodu, kullanim, tarih);
}

double KurBulDeger2(const Db& db, const QString& dovizKodu, const QString& kullanim, const QDate& tarih)
{
    if (isLocal(dovizKodu))
        return 1;
    const QString use = kullanim.trimmed().toUpper();
    const char* setting = use == QLatin1String("MS")   ? "ARCSATKURALM"
                          : use == QLatin1String("BS") ? "SATISKURALM"
                                                       : nullptr;
    if (!setting)
        return 1;
    const QString column =
        rateKindColumn(toText(db.scalar(QStringLiteral("SELECT %1 FROM PARAMET").arg(QLatin1String(setting)))));
    if (column.isEmpty())
        return 1;
    // The column name comes from the fixed list above, never from the data.
    const QVariant v = db.scalar(db.dialect().limit(QStringLiteral("SELECT %1 FROM KURDEGER WHERE (DOVIZ_KODU = :dvz) "
                                                                   "AND (TARIH <= :trh) ORDER BY TARIH DESC")
                                                        .arg(column),
                                                    1),
                                 {{QStringLiteral("dvz"), dovizKodu}, {QStringLiteral("trh"), endOfRateDay(tarih)}});
    const double rate = v.toDouble();
    return rate == 0 ? 1 : rate;
}

} // namespace nimbo
