#include "stock/StockEquivalents.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
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

bool StockEquivalents::addByCode(const Db& db, double stokNo, const QString& stokKod)
{
    const QVariant no = db.scalar(QStringLiteral("SELECT STOK_NO FROM STOK WHERE STOK_KOD_NO = :K"),
                                  {{QStringLiteral("K"), stokKod.trimmed()}});
    if (!no.isValid() || no.isNull())
        throw UserError(QStringLiteral("Stok Bulunamadı."));
    return no.toDouble() != stokNo && add(db, stokNo, no.toDouble());
}

QString StockEquivalents::heading(const Db& db, double stokNo)
{
    const auto row = db.records(QStringLiteral("SELECT STOK_KOD_NO, STOK_ADI_TR FROM STOK WHERE STOK_NO = :S"),
                                {{QStringLiteral("S"), stokNo}});
    if (row.isEmpty())
        return {};
    return toText(row.first().value(0)).trimmed() + QStringLiteral("  ") + toText(row.first().value(1)).trimmed();
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
