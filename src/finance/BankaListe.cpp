#include "finance/BankaListe.h"
#include "db/SqlValues.h"
#include "db/TextSearch.h"

namespace nimbo {

ListQuery BankaListe::sorgu(const QString& aramaAlani, const QString& aramaDegeri) const
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT B.BANKA_KOD, B.BANKA_ADI, B.BANKA_SUBE, B.SUBE_KODU, B.TEL, B.ILGILI1, "
                           "(SELECT COUNT(*) FROM BANKAYR Y WHERE Y.BANKA_KOD=B.BANKA_KOD) AS HESAP_SAYISI "
                           "FROM BANKA B WHERE 1=1");
    if (!aramaDegeri.isEmpty() && aramaAlani == QLatin1String("BANKA_KOD"))
        q.addWhere(QStringLiteral("B.BANKA_KOD LIKE :ARA ESCAPE '\\'"), QStringLiteral("ARA"),
                   escapeLike(aramaDegeri) + QLatin1Char('%'));
    else if (!aramaDegeri.isEmpty() && aramaAlani == QLatin1String("BANKA_ADI"))
        q.addWhere(TextSearch::clause(m_db.dialect(), QStringLiteral("B.BANKA_ADI"), QStringLiteral("ARA")),
                   QStringLiteral("ARA"), TextSearch::startsWith(aramaDegeri));
    q.keyExpr = QStringLiteral("B.BANKA_KOD");
    q.keyField = QStringLiteral("BANKA_KOD");
    return q;
}

} // namespace nimbo
