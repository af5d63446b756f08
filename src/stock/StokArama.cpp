#include "stock/StokArama.h"
#include "stock/StockQuantities.h"
#include "db/Dialect.h"
#include "db/SqlValues.h"

namespace nimbo {

StokArama::Sonuc StokArama::bul(const Db& db, const QString& text)
{
    Sonuc s;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return s;
    const Params p = {{"T", t}};
    s.stokNo = db.scalar(QStringLiteral("SELECT STOK_NO FROM STOK WHERE STOK_KOD_NO = :T"), p).toDouble();
    if (s.stokNo != 0) {
        s.nasil = Bulunan::Kod;
        return s;
    }
    s.stokNo = db.scalar(QStringLiteral("SELECT STOK_NO FROM STOK WHERE BARKOD = :T"), p).toDouble();
    if (s.stokNo == 0)
        s.stokNo = db.scalar(QStringLiteral("SELECT S.STOK_NO FROM STOKBARK B INNER JOIN STOK S ON "
                                            "(S.STOK_KOD_NO = B.STOK_KOD_NO) WHERE B.BARKOD = :T"),
                             p)
                       .toDouble();
    if (s.stokNo != 0) {
        s.nasil = Bulunan::Barkod;
        return s;
    }
    s.stokNo = db.scalar(QStringLiteral("SELECT STOK_NO FROM STOK WHERE %1 LIKE :T ESCAPE '\\' ORDER BY %2")
                             .arg(db.dialect().foldUpper(QStringLiteral("STOK_ADI_TR")),
                                  db.dialect().turkishOrder(QStringLiteral("STOK_ADI_TR"))),
                         {{"T", escapeLike(Dialect::foldText(t)) + QLatin1Char('%')}})
                   .toDouble();
    if (s.stokNo != 0)
        s.nasil = Bulunan::Ad;
    return s;
}

bool StokArama::kritikAltina(const Db& db, double stokNo, double cikanMiktar)
{
    const QVariant kritik = db.scalar(QStringLiteral("SELECT KRITIK_SEV FROM STOK WHERE STOK_NO = :S"), {{"S", stokNo}});
    if (kritik.isNull())
        return false;
    return StockQuantities::total(db, stokNo) - cikanMiktar < kritik.toDouble();
}

} // namespace nimbo
