#include "stock/Depolar.h"
#include "db/Errors.h"
#include "db/DbTransaction.h"
#include "services/Prompter.h"
#include "db/SqlValues.h"
#include "db/TextSearch.h"

namespace nimbo {

ListQuery Depolar::sorgu(const Dialect& d, const QString& adAra)
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT DEPO_KODU, DEPO_ADI, DEPO_YERI FROM DEPO WHERE 1=1");
    q.keyExpr = q.keyField = QStringLiteral("DEPO_KODU");
    q.sortable = {{QStringLiteral("DEPO_ADI"), QStringLiteral("DEPO_ADI")},
                  {QStringLiteral("DEPO_YERI"), QStringLiteral("DEPO_YERI")}};
    if (!adAra.trimmed().isEmpty())
        q.addWhere(TextSearch::clause(d, QStringLiteral("DEPO_ADI"), QStringLiteral("A")), QStringLiteral("A"),
                   TextSearch::startsWith(adAra.trimmed()));
    return q;
}

bool Depolar::sil(int depoKodu) const
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    const Params p = {{"D", depoKodu}};
    const Params p2 = {{"D", depoKodu}, {"D2", depoKodu}};
    if (m_db.any(QStringLiteral("SELECT 1 FROM STOKHRK WHERE DEPO_KODU = :D"), p)
        || m_db.any(QStringLiteral("SELECT 1 FROM FISTKAYR WHERE DEPO_KODU = :D"), p)
        || m_db.any(QStringLiteral("SELECT 1 FROM FISTK WHERE CIKDEPO = :D OR GIRDEPO = :D2"), p2))
        throw UserError(QStringLiteral("Bu Depoya Ait Hareketler Var. Silinemez."));
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM DEPO WHERE DEPO_KODU = :D"), p);
    tx.commit();
    return true;
}

int Depolar::ilkDepo() const { return m_db.scalar(QStringLiteral("SELECT MIN(DEPO_KODU) FROM DEPO")).toInt(); }

} // namespace nimbo
