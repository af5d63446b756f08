#include "stock/StokFisiYazici.h"
#include "stock/StokFisTipi.h"
#include "stock/StokFisi.h"

#include <QDateTime>

namespace nimbo {

namespace {

QDateTime gun(const QVariant& tarih) { return QDateTime(toDate(tarih), QTime(0, 0)); }

QVariant depo(const QVariant& d) { return d.toInt() == 0 ? QVariant() : QVariant(d.toInt()); }

} // namespace

void StokFisiYazici::hareketleriSil(double hrkNo, const QString& tip)
{
    m_w.remove(QStringLiteral("STOKHRK"),
               {{QStringLiteral("SATISNO"), hrkNo}, {QStringLiteral("TIP"), tip}, {QStringLiteral("CARIKOD"), StokFisi::kCari}});
}

void StokFisiYazici::hareketleriYaz(const QVariantMap& b, const QList<QVariantMap>& satirlar)
{
    const QString tip = toText(b.value(QStringLiteral("TIP"))).trimmed();
    const bool transfer = StokFisTipi::transfer(tip);
    if (transfer && toText(b.value(QStringLiteral("HRKDURUM"))).trimmed() != QLatin1String("T"))
        return; // a planned transfer moves nothing yet
    const QDate tarih = toDate(b.value(QStringLiteral("TARIH")));
    for (const QVariantMap& s : satirlar) {
        const double q = StokFisi::hareketMiktari(s);
        const QVariantMap ortak{{QStringLiteral("SATISNO"), b.value(QStringLiteral("HRKNO"))},
                                {QStringLiteral("TIP"), tip},
                                {QStringLiteral("SIRANO"), s.value(QStringLiteral("SIRANO"))},
                                {QStringLiteral("STOK_NO"), s.value(QStringLiteral("STOK_NO"))},
                                {QStringLiteral("FIYAT"), StokFisi::birimDeger(s, QStringLiteral("GER_TUT"))},
                                {QStringLiteral("FYT_USD"), StokFisi::birimDeger(s, QStringLiteral("GER_TUT_USD"))},
                                {QStringLiteral("FYT_EUR"), StokFisi::birimDeger(s, QStringLiteral("GER_TUT_EUR"))},
                                {QStringLiteral("KDV"), s.value(QStringLiteral("KDV")).toDouble()},
                                {QStringLiteral("TARIH"), gun(tarih)},
                                {QStringLiteral("AY"), tarih.month()},
                                {QStringLiteral("YIL"), tarih.year()},
                                {QStringLiteral("CARIKOD"), StokFisi::kCari},
                                {QStringLiteral("BELGETIP"), tip},
                                {QStringLiteral("FIS_NO"), s.value(QStringLiteral("FIS_NO"))}};
        auto row = [&](double gir, double cik, const QVariant& depoKodu) {
            QVariantMap r = ortak;
            r.insert(QStringLiteral("GIRMIK"), gir);
            r.insert(QStringLiteral("CIKMIK"), cik);
            r.insert(QStringLiteral("DEPO_KODU"), depo(depoKodu));
            m_w.insert(QStringLiteral("STOKHRK"), r);
        };
        if (transfer) {
            row(0, q, b.value(QStringLiteral("CIKDEPO")));
            row(q, 0, b.value(QStringLiteral("GIRDEPO")));
        } else if (StokFisTipi::cikis(tip)) {
            row(0, q, s.value(QStringLiteral("DEPO_KODU")));
        } else {
            row(q, 0, s.value(QStringLiteral("DEPO_KODU")));
        }
    }
}

void StokFisiYazici::maliyetleriSil(double hrkNo)
{
    m_w.remove(QStringLiteral("MALIFYT"), {{QStringLiteral("ALIS_NO"), hrkNo}, {QStringLiteral("TIP"), QStringLiteral("F")}});
}

void StokFisiYazici::maliyetleriYaz(const QVariantMap& b, const QList<QVariantMap>& satirlar)
{
    const QString tip = toText(b.value(QStringLiteral("TIP"))).trimmed();
    if (!StokFisTipi::maliyetYazar(tip))
        return;
    const QDate tarih = toDate(b.value(QStringLiteral("TARIH")));
    for (const QVariantMap& s : satirlar) {
        const double tl = StokFisi::birimDeger(s, QStringLiteral("GER_TUT"));
        const double kur = s.value(QStringLiteral("TL_KURDEGER")).toDouble();
        m_w.insert(QStringLiteral("MALIFYT"),
                   {{QStringLiteral("ALIS_NO"), b.value(QStringLiteral("HRKNO"))},
                    {QStringLiteral("STOK_NO"), s.value(QStringLiteral("STOK_NO"))},
                    {QStringLiteral("FATTARIH"), gun(tarih)},
                    {QStringLiteral("MIKTAR"), StokFisi::hareketMiktari(s)},
                    {QStringLiteral("BELGETIP"), tip},
                    {QStringLiteral("AY"), tarih.month()},
                    {QStringLiteral("YIL"), tarih.year()},
                    {QStringLiteral("SIRANO"), s.value(QStringLiteral("SIRANO"))},
                    {QStringLiteral("DOVIZ_KODU"), s.value(QStringLiteral("DOVIZ_KODU"))},
                    {QStringLiteral("MALIYET_TL"), tl},
                    {QStringLiteral("MALIYET_USD"), StokFisi::birimDeger(s, QStringLiteral("GER_TUT_USD"))},
                    {QStringLiteral("MALIYET_DVZ"), kur > 0 ? tl / kur : tl},
                    {QStringLiteral("MALIYET_EUR"), StokFisi::birimDeger(s, QStringLiteral("GER_TUT_EUR"))},
                    {QStringLiteral("TIP"), QStringLiteral("F")}});
    }
}

} // namespace nimbo
