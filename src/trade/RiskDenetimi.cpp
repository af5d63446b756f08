#include "trade/RiskDenetimi.h"

namespace nimbo {

void riskDenetle(CheckContext& x, const RiskGirdisi& g, const QString& alan)
{
    double e = 0;
    if (g.kriter == QLatin1String("1"))
        e = g.irsaliyeler + g.net;
    else if (g.kriter == QLatin1String("2"))
        e = g.bakiye + g.irsaliyeler;
    else if (g.kriter == QLatin1String("3"))
        e = g.bakiye + g.irsaliyeler + g.cekler;
    else if (g.kriter == QLatin1String("4"))
        e = g.bakiye + g.cekler;
    else if (g.kriter == QLatin1String("B"))
        e = g.bakiye;
    else
        return;
    if (e <= 0 || e <= g.limit)
        return;
    if (g.mod == QLatin1String("U"))
        x.ask(g.kod + QLatin1Char(' ') + g.yon + QStringLiteral(" Risk Limiti Aşılmış! Buna Rağmen İşlem Devam Etsin mı?"));
    else
        x.refuse(g.kod + QStringLiteral(" Kodlu Hesabın ") + g.yon
                     + QStringLiteral(" Risk Limiti Aşıldığı İçin Bu Kayıt Saklanamaz !!!"),
                 alan);
}

} // namespace nimbo
