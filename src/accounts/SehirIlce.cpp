#include "accounts/SehirIlce.h"
#include "services/TurkishCollation.h"

namespace nimbo {

QList<QPair<int, QString>> SehirIlce::iller() const
{
    QList<QPair<int, QString>> out;
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT SEHIR_KODU, SEHIR_ADI FROM SEHIR ORDER BY SEHIR_ADI")))
        out.append({r.value(0).toInt(), toText(r.value(1))});
    TurkishCollation::sort(out, [](const QPair<int, QString>& p) -> const QString& { return p.second; });
    return out;
}

int SehirIlce::plaka(const QString& il) const
{
    return m_db.scalar(QStringLiteral("SELECT SEHIR_KODU FROM SEHIR WHERE SEHIR_ADI = :A"), {{QStringLiteral("A"), il}})
        .toInt();
}

QStringList SehirIlce::ilceler(int plaka) const
{
    QStringList out;
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT ILCE_ADI FROM ILCE WHERE SEHIR_KODU = :P "
                                                           "ORDER BY ILCE_ADI"),
                                            {{QStringLiteral("P"), plaka}}))
        out << toText(r.value(0));
    TurkishCollation::sort(out);
    return out;
}

} // namespace nimbo
