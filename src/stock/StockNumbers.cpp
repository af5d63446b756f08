#include "stock/StockNumbers.h"
#include "db/DbTransaction.h"

namespace nimbo {

namespace {
// Hands out YENINO and stores the next one, in one short transaction of its own.
QVariant take(const Db& db, const QString& table)
{
    DbTransaction tx(db);
    const QVariant v = db.scalar(QStringLiteral("UPDATE %1 SET YENINO = YENINO + 1 RETURNING YENINO - 1").arg(table));
    tx.commit();
    return v;
}
} // namespace

double StockNumbers::nextStokNo(const Db& db) { return take(db, QStringLiteral("NEWSTOK")).toDouble(); }
int StockNumbers::nextGroupCode(const Db& db) { return take(db, QStringLiteral("NEWGR")).toInt(); }
int StockNumbers::nextBrandCode(const Db& db) { return take(db, QStringLiteral("NEWFIR")).toInt(); }

} // namespace nimbo
