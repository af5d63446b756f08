#include "stock/StockItems.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "services/Prompter.h"
#include "stock/StockCard.h"
#include "stock/StockNumbers.h"

namespace nimbo {

bool StockItems::hasMovements(const Db& db, double stokNo)
{
    for (const char* t : {"TEKLFAYR", "KAMPAYR", "SIPALAYR", "OEMPCAYR", "SIPVRAYR", "STOKHRK"})
        if (db.any(QStringLiteral("SELECT 1 FROM %1 WHERE STOK_NO=:stkNo").arg(QLatin1String(t)),
                   {{QStringLiteral("stkNo"), stokNo}}))
            return true;
    return false;
}

bool StockItems::remove(const Db& db, double stokNo)
{
    StockCard::stockRight().requireDelete();
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    DbTransaction tx(db);
    if (hasMovements(db, stokNo)) {
        Prompter::instance().warn(QStringLiteral("Bu Stoğun Hareketeleri İşlenmiş.Silinemez!"));
        return false;
    }
    db.exec(QStringLiteral("DELETE FROM STOK WHERE STOK_NO=:stkNo"), {{QStringLiteral("stkNo"), stokNo}});
    tx.commit();
    return true;
}

double StockItems::copy(const Db& db, double stokNo)
{
    if (!db.any(QStringLiteral("SELECT 1 FROM STOK WHERE STOK_NO=:N"), {{QStringLiteral("N"), stokNo}}))
        throw UserError(QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor."));
    const double newNo = StockNumbers::nextStokNo(db);
    DbTransaction tx(db);
    for (const char* t : {"STOK", "STOKMUH"}) {
        const QString table = QLatin1String(t);
        QStringList cols = db.columns(table);
        cols.removeAll(QStringLiteral("STOK_NO"));
        const QString list = cols.join(QStringLiteral(", "));
        db.exec(QStringLiteral("INSERT INTO %1 (STOK_NO, %2) SELECT :YENI, %2 FROM %1 WHERE STOK_NO = :ESKI")
                    .arg(table, list),
                {{QStringLiteral("YENI"), newNo}, {QStringLiteral("ESKI"), stokNo}});
    }
    tx.commit();
    return newNo;
}

double StockItems::ilkStokNo(const Db& db, bool hareketli)
{
    return db.scalar(hareketli ? QStringLiteral("SELECT MIN(STOK_NO) FROM STOKHRK")
                               : QStringLiteral("SELECT MIN(STOK_NO) FROM STOK"))
        .toDouble();
}

QString StockItems::kodVeAd(const Db& db, double stokNo)
{
    const auto rows = db.records(QStringLiteral("SELECT STOK_KOD_NO, STOK_ADI_TR FROM STOK WHERE STOK_NO = :S"),
                                 {{QStringLiteral("S"), stokNo}});
    if (rows.isEmpty())
        return {};
    return (toText(rows.first().value(0)).trimmed() + QLatin1Char(' ') + toText(rows.first().value(1)).trimmed())
        .trimmed();
}

} // namespace nimbo
