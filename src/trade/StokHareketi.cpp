#include "trade/StokHareketi.h"
#include "db/DocumentWriter.h"

#include <QDateTime>

namespace nimbo {

void stokHareketleriniSil(DocumentWriter& w, double belgeNo, const QString& tip)
{
    w.remove(QStringLiteral("STOKHRK"), {{QStringLiteral("SATISNO"), belgeNo}, {QStringLiteral("TIP"), tip}});
}

void stokHareketleriniYaz(DocumentWriter& w, const StokHareketBelgesi& b, const QList<StokHareketi>& hareketler)
{
    if (b.eskiler)
        stokHareketleriniSil(w, b.belgeNo, b.tip);
    const QDateTime tarih(b.tarih, QTime(0, 0));
    QList<QVariantMap> rows;
    rows.reserve(hareketler.size());
    for (const StokHareketi& h : hareketler) {
        rows << QVariantMap{{QStringLiteral("SATISNO"), b.belgeNo},
                  {QStringLiteral("TIP"), b.tip},
                  {QStringLiteral("SIRANO"), h.siraNo},
                  {QStringLiteral("STOK_NO"), h.stokNo},
                  {QStringLiteral("CIKMIK"), b.cikis ? h.miktar : 0.0},
                  {QStringLiteral("GIRMIK"), b.cikis ? 0.0 : h.miktar},
                  {QStringLiteral("FIYAT"), h.fiyat[0]},
                  {QStringLiteral("FYT_USD"), h.fiyat[1]},
                  {QStringLiteral("FYT_EUR"), h.fiyat[2]},
                  {QStringLiteral("KDV"), h.kdv},
                  {QStringLiteral("DEPO_KODU"), h.depoKodu},
                  {QStringLiteral("TARIH"), tarih},
                  {QStringLiteral("AY"), b.tarih.month()},
                  {QStringLiteral("YIL"), b.tarih.year()},
                  {QStringLiteral("CARIKOD"), b.cariKod},
                  {QStringLiteral("BELGETIP"), b.belgeTipi}};
    }
    w.insertRows(QStringLiteral("STOKHRK"), rows);
}

} // namespace nimbo
