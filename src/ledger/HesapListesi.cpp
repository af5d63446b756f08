#include "ledger/HesapListesi.h"
#include "db/SqlValues.h"
#include "db/TextSearch.h"

namespace nimbo::HesapListesi {

ListQuery sorgu(const Db& db, HesapKodu::Duzey duzey, const QString& alan, const QString& metin)
{
    using D = HesapKodu::Duzey;
    QStringList kosul;
    switch (duzey) {
    case D::Sinif: kosul << QStringLiteral("SEVIYE = 0 AND LENGTH(HKOD) = 1"); break;
    case D::Grup: kosul << QStringLiteral("SEVIYE = 0 AND LENGTH(HKOD) = 2"); break;
    case D::Kebir: kosul << QStringLiteral("SEVIYE = 0 AND LENGTH(HKOD) >= 3"); break;
    case D::Muavin: kosul << QStringLiteral("SEVIYE = 1"); break;
    case D::Tali: kosul << QStringLiteral("SEVIYE = 2"); break;
    case D::Detay: kosul << QStringLiteral("SEVIYE >= 3"); break;
    case D::Tumu: break;
    }
    Params p;
    const QString t = metin.trimmed();
    if (!t.isEmpty()) {
        if (alan == QLatin1String("HESAP_ADI")) {
            kosul << TextSearch::clause(db.dialect(), QStringLiteral("HESAP_ADI"), QStringLiteral("ara"));
            p.insert(QStringLiteral("ara"), TextSearch::contains(t));
        } else {
            kosul << QStringLiteral("HKOD LIKE :ara ESCAPE '\\'");
            p.insert(QStringLiteral("ara"), escapeLike(t) + QLatin1Char('%'));
        }
    }
    ListQuery q;
    q.sql = QStringLiteral("SELECT HKOD, HESAP_ADI, SEVIYE, SON_SEVIYE, BAKIYETIP, BILANCOTIP, BIRIM FROM HSPLAN WHERE 1=1");
    for (const QString& k : kosul)
        q.sql += QStringLiteral(" AND ") + k;
    q.params = p;
    q.keyExpr = q.keyField = QStringLiteral("HKOD");
    q.sortable = {{QStringLiteral("HESAP_ADI"), QStringLiteral("HESAP_ADI")}};
    return q;
}

} // namespace nimbo::HesapListesi
