#include "trade/SatirHesabi.h"

namespace nimbo {

SatirDegerleri satirHesapla(const SatirGirdisi& g, double yuzde, double yuzde1)
{
    SatirDegerleri s;
    const double vade = (g.vadeFarki + 100) / 100;
    if (g.kdvDahil) {
        s.kdvliFyt = g.fiyat * vade;
        s.kdvsizFyt = g.fiyat * 100 / (g.kdv + 100) * vade;
        s.kdvsizTut = g.miktar * g.fiyat * 100 / (g.kdv + 100) * vade;
    } else {
        s.kdvliFyt = g.fiyat * (g.kdv + 100) / 100 * vade;
        s.kdvsizFyt = g.fiyat * vade;
        s.kdvsizTut = g.miktar * g.fiyat * vade;
    }
    s.kiskon = s.kdvsizTut * g.iskonto / 100;
    s.yuzdIskon = (s.kdvsizTut - s.kiskon) * yuzde / 100;
    s.musIskon = (s.kdvsizTut - s.kiskon - s.yuzdIskon) * yuzde1 / 100;
    s.netKdvsizTut = s.kdvsizTut - s.kiskon - s.yuzdIskon - s.musIskon;
    if (g.netteVade)
        s.netKdvsizTut *= vade;
    s.otvTut = s.netKdvsizTut * g.otv / 100;
    s.asilKdv = (s.netKdvsizTut + s.otvTut) * g.kdv / 100;
    s.kdvTut = s.kdvsizTut * g.kdv / 100;
    s.kdvliTut = s.kdvsizTut + s.kdvTut;
    return s;
}

} // namespace nimbo
