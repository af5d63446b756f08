#include "accounts/CariGrupSecimi.h"
#include "services/TurkishCollation.h"

#include <QSqlRecord>

namespace nimbo {

QList<CariGrupSecimi::Secenek> CariGrupSecimi::read(const QString& sql, const Params& p, bool numeric) const
{
    QList<Secenek> out;
    for (const QSqlRecord& r : m_db.records(sql, p))
        out.append({numeric ? QVariant(r.value(0).toInt()) : QVariant(toText(r.value(0))), toText(r.value(1))});
    TurkishCollation::sort(out, [](const Secenek& s) -> const QString& { return s.second; });
    return out;
}

QList<CariGrupSecimi::Secenek> CariGrupSecimi::anaGruplar() const
{
    return read(QStringLiteral("SELECT KODU, GRUP_ADI FROM CANAGRUP ORDER BY GRUP_ADI"), {}, true);
}

QList<CariGrupSecimi::Secenek> CariGrupSecimi::gruplar(const QVariant& anaGrup) const
{
    if (anaGrup.isNull() || toText(anaGrup).trimmed().isEmpty())
        return read(QStringLiteral("SELECT GRUP_KOD, GRUP_ADI FROM CARIGRUP ORDER BY GRUP_ADI"), {}, false);
    return read(QStringLiteral("SELECT GRUP_KOD, GRUP_ADI FROM CARIGRUP WHERE KODU = :K ORDER BY GRUP_ADI"),
                {{QStringLiteral("K"), anaGrup.toInt()}}, false);
}

QList<CariGrupSecimi::Secenek> CariGrupSecimi::altGruplar(const QString& grup) const
{
    if (grup.trimmed().isEmpty())
        return read(QStringLiteral("SELECT KODU, GRUP_ADI FROM CALTGRUP ORDER BY GRUP_ADI"), {}, false);
    return read(QStringLiteral("SELECT KODU, GRUP_ADI FROM CALTGRUP WHERE GRUP_KOD = :G ORDER BY GRUP_ADI"),
                {{QStringLiteral("G"), grup}}, false);
}

QStringList CariGrupSecimi::iskontoGruplari() const
{
    QStringList out;
    for (const QSqlRecord& r :
         m_db.records(QStringLiteral("SELECT DISTINCT ISKGRUP FROM CARI WHERE ISKGRUP IS NOT NULL AND ISKGRUP <> ''")))
        out << toText(r.value(0));
    TurkishCollation::sort(out);
    return out;
}

QList<CariGrupSecimi::Secenek> CariGrupSecimi::temsilciler() const
{
    return read(QStringLiteral("SELECT ISCI_KOD, ISCI_ADI FROM CALISAN"), {}, false);
}

} // namespace nimbo
