#include "stock/StokFisTipi.h"

namespace nimbo {

namespace {

struct Tip {
    const char* harf;
    const char* ad;
};

const Tip kTipler[] = {
    {"O", "Depolar Arası Transfer Fişi"},
    {"F", "Fire Fişi"},
    {"R", "Sarf Fişi"},
    {"G", "Üretime Gidiş"},
    {"L", "Üretimden Geliş"},
    {"D", "Dönem Başı Devir Fişi"},
    {"T", "Sayım Eksiği/Stk.Artırma Fişi"},
    {"Z", "Sayım Fazlası/Stk.Azaltma Fişi"},
    {"H", "Emanet Çıkış Fişi"},
    {"B", "Emanet Alım Fişi"},
    {"J", "Arıza ve Diğer İşlemler için Ürün Girişi"},
    {"Y", "Arıza ve Diğer İşlemler için Ürün Çıkışı"},
    {"K", "Gümrük Fazlası"},
    {"E", "Gümrük Eksiği"},
    {"A", "Antrepodan Transfer"},
};

bool oneOf(const QString& tip, const char* letters)
{
    return tip.size() == 1 && QString::fromLatin1(letters).contains(tip);
}

} // namespace

QStringList StokFisTipi::hepsi()
{
    QStringList out;
    for (const Tip& t : kTipler)
        out << QString::fromLatin1(t.harf);
    return out;
}

QString StokFisTipi::ad(const QString& tip)
{
    for (const Tip& t : kTipler)
        if (tip == QLatin1String(t.harf))
            return QString::fromUtf8(t.ad);
    return {};
}

bool StokFisTipi::transfer(const QString& tip) { return oneOf(tip, "OA"); }

bool StokFisTipi::cikis(const QString& tip) { return oneOf(tip, "GFRZHYE"); }

bool StokFisTipi::maliyetYazar(const QString& tip) { return oneOf(tip, "KDTZJEF"); }

} // namespace nimbo
