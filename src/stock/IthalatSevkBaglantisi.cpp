#include "stock/IthalatSevkBaglantisi.h"

namespace nimbo {

namespace {
IthalatSevkBaglantisi::Kaydedildi& kaydedildi()
{
    static IthalatSevkBaglantisi::Kaydedildi f;
    return f;
}
IthalatSevkBaglantisi::Silindi& silindi()
{
    static IthalatSevkBaglantisi::Silindi f;
    return f;
}
} // namespace

void IthalatSevkBaglantisi::install(Kaydedildi k, Silindi s)
{
    kaydedildi() = std::move(k);
    silindi() = std::move(s);
}

void IthalatSevkBaglantisi::fisKaydedildi(const Db& db, double hrkNo, const QList<QVariantMap>& satirlar)
{
    bool sevktenGelen = false;
    for (const QVariantMap& s : satirlar)
        sevktenGelen = sevktenGelen || s.value(QStringLiteral("SIP_NO")).toDouble() != 0;
    if (sevktenGelen && kaydedildi())
        kaydedildi()(db, hrkNo, satirlar);
}

void IthalatSevkBaglantisi::fisSilindi(const Db& db, double hrkNo)
{
    if (silindi())
        silindi()(db, hrkNo);
}

} // namespace nimbo
