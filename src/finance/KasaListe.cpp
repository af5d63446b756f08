#include "finance/KasaListe.h"
#include "db/DbTransaction.h"
#include "db/SqlValues.h"
#include "db/TextSearch.h"

namespace nimbo {

ListQuery KasaListe::sorgu(const QString& aramaAlani, const QString& aramaDegeri) const
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT KASAKOD, ADI, DOVIZ_KOD, MUH_KOD, ACIKLAMA1 FROM KASA WHERE KASAKOD<>'PK'");
    if (!aramaDegeri.isEmpty() && aramaAlani == QLatin1String("KASAKOD"))
        q.addWhere(QStringLiteral("KASAKOD LIKE :ARA ESCAPE '\\'"), QStringLiteral("ARA"),
                   escapeLike(aramaDegeri) + QLatin1Char('%'));
    else if (!aramaDegeri.isEmpty() && aramaAlani == QLatin1String("ADI"))
        q.addWhere(TextSearch::clause(m_db.dialect(), QStringLiteral("ADI"), QStringLiteral("ARA")),
                   QStringLiteral("ARA"), TextSearch::startsWith(aramaDegeri));
    q.keyExpr = QStringLiteral("KASAKOD");
    q.keyField = QStringLiteral("KASAKOD");
    return q;
}

QList<KasaBilgisi> KasaListe::kullaniciKasalari(const QString& kullanici) const
{
    const Params p{{QStringLiteral("K"), kullanici}};
    const bool kisitli = m_db.any(QStringLiteral("SELECT KASAKOD FROM KIMKULKASA WHERE KULLANICI=:K"), p);
    const QString sql = kisitli
                            ? QStringLiteral("SELECT K.KASAKOD, K.ADI, K.DOVIZ_KOD FROM KIMKULKASA U JOIN KASA K "
                                             "ON K.KASAKOD=U.KASAKOD WHERE U.KULLANICI=:K AND K.KASAKOD<>'PK' "
                                             "ORDER BY K.KASAKOD")
                            : QStringLiteral("SELECT KASAKOD, ADI, DOVIZ_KOD FROM KASA WHERE KASAKOD<>'PK' "
                                             "ORDER BY KASAKOD");
    QList<KasaBilgisi> out;
    for (const QSqlRecord& r : m_db.records(sql, kisitli ? p : Params{}))
        out.append({toText(r.value(0)), toText(r.value(1)), toText(r.value(2))});
    return out;
}

bool KasaListe::kasaVar(const QString& kod) const
{
    return m_db.any(QStringLiteral("SELECT KASAKOD FROM KASA WHERE KASAKOD=:K"), {{QStringLiteral("K"), kod}});
}

void KasaListe::setKullaniciKasalari(const QString& kullanici, const QStringList& kodlar) const
{
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM KIMKULKASA WHERE KULLANICI=:K"), {{QStringLiteral("K"), kullanici}});
    for (const QString& kod : kodlar)
        m_db.exec(QStringLiteral("INSERT INTO KIMKULKASA (KULLANICI, KASAKOD) VALUES (:K, :KASA)"),
                  {{QStringLiteral("K"), kullanici}, {QStringLiteral("KASA"), kod}});
    tx.commit();
}

} // namespace nimbo
