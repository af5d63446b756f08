#include "stock/StockEquivalents.h"
#include "db/DbTransaction.h"
#include "services/Prompter.h"

#include <QSqlRecord>

namespace nimbo {

QList<StockEquivalents::Row> StockEquivalents::of(const Db& db, double stokNo)
{
    QList<Row> out;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT M.MUSTOK_NO, S.STOK_KOD_NO, S.STOK_ADI_TR FROM MUADIL M "
                                                         "LEFT OUTER JOIN STOK S ON (S.STOK_NO = M.MUSTOK_NO) "
                                                         "WHERE M.STOK_NO = :stkno ORDER BY S.STOK_KOD_NO"),
                                          {{QStringLiteral("stkno"), stokNo}}))
        out << Row{r.value(0).toDouble(), toText(r.value(1)).trimmed(), toText(r.value(2)).trimmed()};
    return out;
}

bool StockEquivalents::add(const Db& db, double stokNo, double muStokNo)
{
    const Params p{{QStringLiteral("stkno"), stokNo}, {QStringLiteral("mustkno"), muStokNo}};
    DbTransaction tx(db);
    if (db.any(QStringLiteral("SELECT STOK_NO, MUSTOK_NO FROM MUADIL WHERE STOK_NO=:stkno AND MUSTOK_NO=:mustkno"), p))
        return false;
    db.exec(QStringLiteral("INSERT INTO MUADIL (STOK_NO, MUSTOK_NO) VALUES(:stkno,:mustkno)"), p);
    tx.commit();
    return true;
}

bool StockEquivalents::remove(const Db& db, double stokNo, double muStokNo)
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    DbTransaction tx(db);
    db.exec(QStringLiteral("DELETE FROM MUADIL WHERE STOK_NO=:stkno AND MUSTOK_NO=:mustkno"),
            {{QStringLiteral("stkno"), stokNo}, {QStringLiteral("mustkno"), muStokNo}});
    tx.commit();
    return true;
}

} // namespace nimbo
