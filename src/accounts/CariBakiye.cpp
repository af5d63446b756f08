#include "accounts/CariBakiye.h"
#include "services/MoneyFormat.h"

#include <QLocale>
#include <cmath>

namespace nimbo {

CariToplam CariBakiye::toplam(const QString& kod) const
{
    CariToplam t;
    const auto rows = m_db.records(QStringLiteral("SELECT SUM(BORC) AS BORC, SUM(ALACAK) AS ALACAK FROM FINHRK "
                                                  "WHERE KODU = :K"),
                                   {{QStringLiteral("K"), kod}});
    if (!rows.isEmpty()) {
        t.borc = rows.first().value(0).toDouble();
        t.alacak = rows.first().value(1).toDouble();
    }
    return t;
}

QList<CariToplam> CariBakiye::dovizToplamlari(const QString& kod) const
{
    QList<CariToplam> out;
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT DOVIZ_KODU, SUM(BORC_DVZ), SUM(ALACAK_DVZ) FROM FINHRK "
                                                           "WHERE KODU = :K GROUP BY DOVIZ_KODU ORDER BY DOVIZ_KODU"),
                                            {{QStringLiteral("K"), kod}})) {
        CariToplam t;
        t.doviz = toText(r.value(0)).trimmed();
        t.borc = r.value(1).toDouble();
        t.alacak = r.value(2).toDouble();
        out << t;
    }
    return out;
}

QString CariBakiye::tutar(double v) { return MoneyFormat::current().format(v); }

QString CariBakiye::metin(double borc, double alacak) { return MoneyFormat::current().balance(alacak - borc); }

} // namespace nimbo
