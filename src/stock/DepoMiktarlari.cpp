#include "stock/DepoMiktarlari.h"

#include <QSqlRecord>

namespace nimbo {

double DepoMiktarlari::eldeki(const Db& db, double stokNo, int depoKodu)
{
    return db.scalar(QStringLiteral("SELECT SUM(GIRMIK-CIKMIK) FROM STOKHRK WHERE STOK_NO = :S AND DEPO_KODU = :D"),
                     {{"S", stokNo}, {"D", depoKodu}})
        .toDouble();
}

QVector<double> DepoMiktarlari::depomik(const Db& db, double stokNo)
{
    QVector<double> out(21, 0.0);
    QStringList cols = {QStringLiteral("MIK")};
    for (int i = 1; i <= 20; ++i)
        cols << QStringLiteral("DEP%1").arg(i);
    const auto rows = db.records(
        QStringLiteral("SELECT %1 FROM DEPOMIK WHERE STOK_NO = :S").arg(cols.join(QStringLiteral(", "))),
        {{"S", stokNo}});
    if (!rows.isEmpty())
        for (int i = 0; i < 21; ++i)
            out[i] = rows.first().value(i).toDouble();
    return out;
}

} // namespace nimbo
