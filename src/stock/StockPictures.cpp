#include "stock/StockPictures.h"
#include "db/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlRecord>

namespace nimbo {

QList<StockPictures::Picture> StockPictures::of(const Db& db, double stokNo)
{
    QList<Picture> out;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT SIRA, DOSYA_ADI, RESIM FROM STOKRESIM WHERE STOK_NO = :S "
                                                         "ORDER BY SIRA"),
                                          {{QStringLiteral("S"), stokNo}}))
        out << Picture{r.value(0).toInt(), toText(r.value(1)), r.value(2).toByteArray()};
    return out;
}

StockPictures::Picture StockPictures::read(const QString& stokKod, const QString& file)
{
    if (stokKod.trimmed().isEmpty())
        throw UserError(QStringLiteral("Resim Yüklemeden Önce Stok Kodunu Yazmalısınız... "));
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix != QLatin1String("jpg") && suffix != QLatin1String("jpeg"))
        throw UserError(QStringLiteral("Sadece jpg ve jpeg dosyaları eklenebilir."));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Dosya okunamadı: %1").arg(file));
    return Picture{0, QFileInfo(file).fileName(), f.readAll()};
}

void StockPictures::insert(const Db& db, double stokNo, Picture& p)
{
    p.sira = db.scalar(QStringLiteral("SELECT COALESCE(MAX(SIRA), 0) + 1 FROM STOKRESIM WHERE STOK_NO = :S"),
                       {{QStringLiteral("S"), stokNo}})
                 .toInt();
    db.exec(QStringLiteral("INSERT INTO STOKRESIM (STOK_NO, SIRA, DOSYA_ADI, RESIM) VALUES (:S, :N, :D, :R)"),
            {{QStringLiteral("S"), stokNo}, {QStringLiteral("N"), p.sira}, {QStringLiteral("D"), p.dosyaAdi},
             {QStringLiteral("R"), p.data}});
}

void StockPictures::remove(const Db& db, double stokNo, int sira)
{
    db.exec(QStringLiteral("DELETE FROM STOKRESIM WHERE STOK_NO = :S AND SIRA = :N"),
            {{QStringLiteral("S"), stokNo}, {QStringLiteral("N"), sira}});
}

} // namespace nimbo
